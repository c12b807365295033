#pragma once
// A message service for tests: records every box asked for and answers from a script.
// Install it with ScriptedMessageService::Installer for the length of a test.

#include "uikit/messageservice.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>

namespace uikit {

class ScriptedMessageService final : public MessageService {
public:
    struct Call {
        QWidget* owner;
        QString text;
        QString caption;
        MessageButtons buttons;
        MessageIcon icon;
    };

    MessageAnswer show(QWidget* owner, const QString& text, const QString& caption,
                       MessageButtons buttons, MessageIcon icon) override;

    // Answers given in order; when the queue is empty the default answer is given.
    void queueAnswer(MessageAnswer answer) { m_answers.push_back(answer); }
    void setDefaultAnswer(MessageAnswer answer) { m_defaultAnswer = answer; }
    // Runs inside show() after recording, before answering (e.g. to check state mid-box).
    void setOnShow(std::function<void(const Call&)> handler) { m_onShow = std::move(handler); }

    const QList<Call>& calls() const { return m_calls; }
    QStringList texts() const;
    void clear() { m_calls.clear(); }

    // Installs the service for the installer's life and restores the previous one after.
    class Installer {
    public:
        explicit Installer(ScriptedMessageService& service);
        ~Installer();
        Installer(const Installer&) = delete;
        Installer& operator=(const Installer&) = delete;
    };

private:
    QList<Call> m_calls;
    std::deque<MessageAnswer> m_answers;
    MessageAnswer m_defaultAnswer = MessageAnswer::Ok;
    std::function<void(const Call&)> m_onShow;
};

} // namespace uikit
