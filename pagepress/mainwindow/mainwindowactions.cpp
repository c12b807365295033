#include "pagepress/mainwindow/mainwindowactions.h"

#include "uikit/actionlist.h"

MainWindowActions CreateMainWindowActions(uikit::ActionList& list)
{
    MainWindowActions actions;
    actions.AddFileAct = list.addAction(QStringLiteral("Add File..."));
    actions.AddFolderAct = list.addAction(QStringLiteral("Add Folder..."));
    actions.ConvertAct = list.addAction(QStringLiteral("Convert"));
    actions.ExitAct = list.addAction(QStringLiteral("Exit"));
    actions.MinAct = list.addAction(QStringLiteral("Minimize"));
    actions.ClearAllAct = list.addAction(QStringLiteral("Clear All"));
    actions.DeleteAct = list.addAction(QStringLiteral("Delete"));
    actions.BrowseAct = list.addAction(QStringLiteral("Browse"));
    actions.OpenAct = list.addAction(QStringLiteral("Open Folder"));
    actions.AllPageAct = list.addAction(QStringLiteral("All Page"));
    actions.PageRangeAct = list.addAction(QStringLiteral("Pages"));
    actions.CurrentPageAct = list.addAction(QStringLiteral("Current Page"));
    actions.PrevPageAct = list.addAction(QStringLiteral("PrevPageAct"));
    actions.NextPageAct = list.addAction(QStringLiteral("NextPageAct"));
    actions.HelpContentAct = list.addAction(QStringLiteral("Help Content"));
    actions.SupportAct = list.addAction(QStringLiteral("Support"));
    actions.HomePageAct = list.addAction(QStringLiteral("Home Page"));
    actions.AboutAct = list.addAction(QStringLiteral("About..."));
    actions.CheckAllAct = list.addAction(QStringLiteral("Check All"));
    actions.UncheckAllAct = list.addAction(QStringLiteral("Uncheck All"));
    actions.SelAllAct = list.addAction(QStringLiteral("Select All"));
    return actions;
}
