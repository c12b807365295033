#include "uikit/actionlist.h"

#include <QAbstractEventDispatcher>
#include <QThread>

#include <algorithm>

namespace uikit {

ActionList::ActionList(QObject* parent)
    : QObject(parent)
{
    if (auto* dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &ActionList::updateActions);
}

Action* ActionList::addAction(const QString& caption)
{
    auto* action = new Action(caption, this);
    m_actions.push_back(action);
    connect(action, &QObject::destroyed, this, [this, action] {
        m_actions.erase(std::remove(m_actions.begin(), m_actions.end(), action), m_actions.end());
    });
    return action;
}

void ActionList::updateActions()
{
    // Copied: a rule that deletes an action would edit the vector under the loop.
    const std::vector<Action*> actions = m_actions;
    for (Action* action : actions)
        action->update();
}

} // namespace uikit
