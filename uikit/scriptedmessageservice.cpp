#include "uikit/scriptedmessageservice.h"

namespace uikit {

MessageAnswer ScriptedMessageService::show(QWidget* owner, const QString& text, const QString& caption,
                                           MessageButtons buttons, MessageIcon icon)
{
    m_calls.append(Call{owner, text, caption, buttons, icon});
    if (m_onShow)
        m_onShow(m_calls.back());
    if (m_answers.empty())
        return m_defaultAnswer;
    MessageAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

QStringList ScriptedMessageService::texts() const
{
    QStringList result;
    for (const Call& call : m_calls)
        result.append(call.text);
    return result;
}

ScriptedMessageService::Installer::Installer(ScriptedMessageService& service)
{
    setMessageService(&service);
}

ScriptedMessageService::Installer::~Installer()
{
    setMessageService(nullptr);
}

} // namespace uikit
