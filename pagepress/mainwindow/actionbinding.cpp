#include "pagepress/mainwindow/actionbinding.h"

#include "uikit/action.h"

#include <QAbstractButton>
#include <QMenu>

void BindButtonToAction(QAbstractButton* button, uikit::Action* action)
{
    auto follow = [button, action] {
        button->setText(action->caption());
        button->setEnabled(action->isEnabled());
    };
    follow();
    QObject::connect(action, &QAction::changed, button, follow);
    QObject::connect(button, &QAbstractButton::clicked, action, [action] { action->execute(); });
}

void AddMenuItem(QMenu* menu, uikit::Action* action, const QString& caption)
{
    if (caption.isEmpty()) {
        menu->addAction(action);
        return;
    }
    QAction* item = menu->addAction(caption);
    item->setEnabled(action->isEnabled());
    QObject::connect(action, &QAction::changed, item, [item, action] { item->setEnabled(action->isEnabled()); });
    QObject::connect(item, &QAction::triggered, action, [action] { action->execute(); });
}
