#pragma once
// Every scripted user-facing service (message boxes, file chooser, folder browser, shell),
// installed for the life of one object: a GUI test fixture holds one of these.

#include "uikit/scriptedmessageservice.h"
#include "uikit/scriptedservices.h"

namespace uikit {

struct InstalledScriptedServices {
    ScriptedMessageService messages;
    ScriptedOpenFileService openFiles;
    ScriptedFolderBrowserService folders;
    ScriptedShellService shell;

private:
    ScriptedMessageService::Installer m_messagesInstaller{messages};
    OpenFiles::Installer m_openFilesInstaller{openFiles};
    FolderBrowser::Installer m_foldersInstaller{folders};
    Shell::Installer m_shellInstaller{shell};
};

} // namespace uikit
