#include "uikit/messageservice.h"

#include "uikit/thread.h"

#include <QMessageBox>

namespace uikit {

namespace {

QMessageBox::StandardButtons standardButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageService& messageService()
{
    return Messages::instance();
}

void setMessageService(MessageService* service)
{
    Messages::install(service);
}

MessageAnswer showMessageOnUiThread(QWidget* owner, const QString& text, const QString& caption,
                                    MessageButtons buttons, MessageIcon icon)
{
    MessageAnswer answer = MessageAnswer::Cancel;
    Thread::Synchronize([&] { answer = messageService().show(owner, text, caption, buttons, icon); });
    return answer;
}

MessageAnswer QtMessageService::show(QWidget* owner, const QString& text, const QString& caption,
                                     MessageButtons buttons, MessageIcon icon)
{
    QMessageBox box(boxIcon(icon), caption, text, standardButtons(buttons), owner);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
}

} // namespace uikit
