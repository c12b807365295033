#include "pagepress/conversion/toolcommand.h"

ToolCommand::ToolCommand(const QString& program)
{
    m_pieces.append(Piece{{}, program, true});
}

void ToolCommand::add(const QString& argument)
{
    m_pieces.append(Piece{{}, argument, false});
}

void ToolCommand::addQuoted(const QString& value, const QString& prefix)
{
    m_pieces.append(Piece{prefix, value, true});
}

QStringList ToolCommand::arguments() const
{
    QStringList result;
    for (qsizetype i = 1; i < m_pieces.size(); ++i)
        result.append(m_pieces[i].prefix + m_pieces[i].value);
    return result;
}

QString ToolCommand::text() const
{
    QString result;
    for (const Piece& piece : m_pieces) {
        if (!result.isEmpty())
            result += u' ';
        result += piece.prefix;
        if (piece.quoted)
            result += u'"' + piece.value + u'"';
        else
            result += piece.value;
    }
    return result;
}
