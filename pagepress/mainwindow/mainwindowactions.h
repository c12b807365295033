#pragma once
// The main window's commands, created with their captions in one action list. The window
// gives them their handlers and enabling rules; menus and buttons are bound to them.
// UI thread only; the list owns the actions.

namespace uikit {
class Action;
class ActionList;
} // namespace uikit

struct MainWindowActions {
    uikit::Action* AddFileAct = nullptr;
    uikit::Action* AddFolderAct = nullptr;
    uikit::Action* ConvertAct = nullptr;
    uikit::Action* ExitAct = nullptr;
    uikit::Action* MinAct = nullptr;
    uikit::Action* ClearAllAct = nullptr;
    uikit::Action* DeleteAct = nullptr;
    uikit::Action* BrowseAct = nullptr;
    uikit::Action* OpenAct = nullptr;
    uikit::Action* AllPageAct = nullptr;
    uikit::Action* PageRangeAct = nullptr;
    uikit::Action* CurrentPageAct = nullptr;
    uikit::Action* PrevPageAct = nullptr;
    uikit::Action* NextPageAct = nullptr;
    uikit::Action* HelpContentAct = nullptr;
    uikit::Action* SupportAct = nullptr;
    uikit::Action* HomePageAct = nullptr;
    uikit::Action* AboutAct = nullptr;
    uikit::Action* CheckAllAct = nullptr;
    uikit::Action* UncheckAllAct = nullptr;
    uikit::Action* SelAllAct = nullptr;
};

// Creates every action in list (TntActionList1) with its caption.
MainWindowActions CreateMainWindowActions(uikit::ActionList& list);
