#pragma once
// The application's start and run: builds the context, reads the version through the
// option store, creates the main form and runs the event loop until it closes.
// Main thread only.

#include "pagepress/module/muicontext.h"

#include <QWidget>

#include <functional>
#include <memory>

struct AppIcon;

using MainFormFactory = std::function<std::unique_ptr<QWidget>()>;

// Fixed texts of the product.
extern const char* const CompanyName;
extern const char* const HomePageAddress;
extern const char* const SupportAddress;
extern const char* const CopyrightText;

// The context as the start fills it from the executable's folder (ending with "/"),
// the title and the link handed over by the host. Version is left empty.
MuiContext makeMuiContext(const QString& exeDir, const QString& title, const QString& link);

// The version stored under "product\version" of the file, read through the option-store
// module of the registry; empty when the module or the value is missing.
QString readProductVersion(const QString& configPath);

// Runs the whole application. An exception escaping the start or the event loop is shown
// in a message box and ends the run. Always returns true.
bool runApplication(const AppIcon* icon, const char* title, const char* link,
                    const MainFormFactory& createMainForm);
