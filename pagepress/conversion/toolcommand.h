#pragma once
// One command of the converter tool, held as the pieces it is made of, so that the argument
// vector the process is started with and the command-line text shown and tested are two views
// of the same thing and cannot drift apart.
//
// In the text every piece is separated by one blank and a quoted piece stands in double
// quotes after its prefix (as in languagedir="/app/RC2"); in the argument vector each piece
// is one argument, prefix and value joined, without quotes. Plain data.

#include <QList>
#include <QString>
#include <QStringList>

class ToolCommand {
public:
    explicit ToolCommand(const QString& program);

    // A piece written as it stands: -o, poly2bitmap, zoom=72.
    void add(const QString& argument);
    // A piece written in quotes after its prefix: "<path>", languagedir="<folder>".
    void addQuoted(const QString& value, const QString& prefix = {});

    const QString& program() const { return m_pieces.front().value; }
    // The arguments after the program, exactly as the tool receives them.
    QStringList arguments() const;
    // The command line: the program in quotes, then the pieces.
    QString text() const;

private:
    struct Piece {
        QString prefix;
        QString value;
        bool quoted;
    };
    QList<Piece> m_pieces; // the first is the program
};
