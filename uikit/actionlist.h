#pragma once
// ActionList: owns a form's actions and re-runs their update rules whenever the
// application becomes idle, that is each time the UI thread's event loop is about to wait
// (QAbstractEventDispatcher::aboutToBlock). Rules are therefore cheap, side-effect-free
// queries of the form's state. Create it on the UI thread once the application exists.

#include "uikit/action.h"

#include <QObject>
#include <QString>

#include <vector>

namespace uikit {

class ActionList : public QObject {
    Q_OBJECT
public:
    explicit ActionList(QObject* parent = nullptr);

    // Creates an action owned by this list.
    Action* addAction(const QString& caption);
    const std::vector<Action*>& actions() const { return m_actions; }

    // Runs every update rule now, in the order the actions were added.
    void updateActions();

private:
    std::vector<Action*> m_actions;
};

} // namespace uikit
