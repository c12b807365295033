#include "uikit/action.h"

namespace uikit {

Action::Action(const QString& caption, QObject* parent)
    : QAction(caption, parent)
{
    // A menu item or tool button triggers the QAction; route it through execute() so that
    // every source of the command obeys the same rule.
    connect(this, &QAction::triggered, this, [this] { execute(); });
}

void Action::setExecuteHandler(ExecuteHandler handler)
{
    m_execute = std::move(handler);
}

void Action::setUpdateRule(UpdateRule rule)
{
    m_update = std::move(rule);
}

void Action::update()
{
    if (m_update)
        setEnabled(m_update());
}

bool Action::execute()
{
    update();
    if (!isEnabled())
        return false;
    if (m_execute)
        m_execute();
    emit executed();
    return true;
}

} // namespace uikit
