#pragma once
// Action: a command with a caption, an execute handler and an enabling rule.
//
// An Action is a QAction, so menus and tool buttons take it as it is; what it adds is the
// component-library behaviour the forms rely on: the update rule is re-run whenever the
// application becomes idle (through the ActionList that holds it), and execute() refuses to
// run a disabled command. Controls linked to an action follow its enabled state and caption
// through QAction::changed(). UI thread only.

#include <QAction>

#include <functional>

namespace uikit {

class Action : public QAction {
    Q_OBJECT
public:
    using ExecuteHandler = std::function<void()>;
    // Returns whether the action is enabled now; re-evaluated at idle time.
    using UpdateRule = std::function<bool()>;

    explicit Action(const QString& caption, QObject* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

    void setExecuteHandler(ExecuteHandler handler);
    bool hasExecuteHandler() const { return static_cast<bool>(m_execute); }

    // Without a rule the enabled state is left as it was set (enabled by default).
    void setUpdateRule(UpdateRule rule);
    bool hasUpdateRule() const { return static_cast<bool>(m_update); }

    // Runs the update rule now; the enabled state changes only when the rule disagrees.
    void update();

    // Brings the enabled state up to date, then runs the execute handler if the action is
    // enabled. Returns whether the handler ran. Menus and tool buttons come here too.
    bool execute();

signals:
    void executed();

private:
    ExecuteHandler m_execute;
    UpdateRule m_update;
};

} // namespace uikit
