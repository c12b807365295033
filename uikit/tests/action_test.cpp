#include "uikit/testing/guiapp.h"
#include "uikit/actionlist.h"

#include <QEventLoop>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

using uikit::Action;
using uikit::ActionList;

namespace {

// Lets the event loop reach the point where it would wait, which is when rules run.
void spinUntilIdle()
{
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

TEST(ActionList, RulesFollowStateWhenTheApplicationGoesIdle)
{
    guiApp();
    ActionList list;
    bool haveRows = false;
    Action* clearAll = list.addAction("Clear All");
    Action* always = list.addAction("Add File...");
    clearAll->setUpdateRule([&] { return haveRows; });

    spinUntilIdle();
    EXPECT_FALSE(clearAll->isEnabled());
    EXPECT_TRUE(always->isEnabled()) << "an action without a rule stays enabled";

    haveRows = true;
    spinUntilIdle();
    EXPECT_TRUE(clearAll->isEnabled());
}

TEST(ActionList, LinkedObserversHearOnlyRealChanges)
{
    guiApp();
    ActionList list;
    Action* action = list.addAction("Delete");
    bool focused = false;
    action->setUpdateRule([&] { return focused; });
    QSignalSpy changed(action, &QAction::changed);

    list.updateActions();
    list.updateActions();
    EXPECT_EQ(changed.count(), 1) << "a rule that keeps giving the same answer repaints nothing";
    action->setCaption("Delete row");
    EXPECT_EQ(changed.count(), 2);
}

TEST(Action, ExecuteRunsTheHandlerOnlyWhenTheRuleAllows)
{
    guiApp();
    Action action("Convert");
    int runs = 0;
    bool checked = false;
    action.setExecuteHandler([&] { ++runs; });
    action.setUpdateRule([&] { return checked; });

    // The rule is asked at execution, not only at idle time: a stale enabled state must
    // not let a command through.
    action.setEnabled(true);
    EXPECT_FALSE(action.execute());
    EXPECT_EQ(runs, 0);

    checked = true;
    EXPECT_TRUE(action.execute());
    EXPECT_EQ(runs, 1);
}

TEST(Action, MenuTriggerRunsTheHandlerOnce)
{
    guiApp();
    Action action("Exit");
    int runs = 0;
    action.setExecuteHandler([&] { ++runs; });
    QMenu menu;
    menu.addAction(&action);
    action.trigger();
    EXPECT_EQ(runs, 1);
    action.setEnabled(false);
    action.trigger();
    EXPECT_EQ(runs, 1);
}
