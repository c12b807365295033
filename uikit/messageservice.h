#pragma once
// Message boxes behind a replaceable service, so that tests can script the user's answers.
// The service in force is process-wide; it is used from the UI thread only.

#include "uikit/replaceableservice.h"

#include <QString>

class QWidget;

namespace uikit {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows a modal box owned by owner (may be null) and returns the button pressed.
    virtual MessageAnswer show(QWidget* owner, const QString& text, const QString& caption,
                               MessageButtons buttons, MessageIcon icon) = 0;
};

// The real service: a QMessageBox.
class QtMessageService final : public MessageService {
public:
    MessageAnswer show(QWidget* owner, const QString& text, const QString& caption,
                       MessageButtons buttons, MessageIcon icon) override;
};

using Messages = ReplaceableService<MessageService, QtMessageService>;

// The service in force: the Qt one unless a test installed another.
MessageService& messageService();
// Installs service (not owned); nullptr restores the Qt service.
void setMessageService(MessageService* service);

// Shows a box from any thread: a worker waits while the UI thread shows it.
MessageAnswer showMessageOnUiThread(QWidget* owner, const QString& text, const QString& caption,
                                    MessageButtons buttons, MessageIcon icon);

} // namespace uikit
