#include "pagepress/mainwindow/emptylistface.h"

#include "pagepress/forms/skinlayout.h"
#include "pagepress/forms/skinresources.h"

#include <QPixmap>

EmptyListFace::EmptyListFace(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("FaceImage"));
    setPixmap(QPixmap::fromImage(skin::emptyListPicture()));
    setGeometry(skin::layout::main::ListArea);

    const char* const names[] = {"lblSourceCol", "lblOutputTypeCol", "lblPagesCol"};
    const QString titles[] = {QStringLiteral("File Name"), QStringLiteral("Output Type"), QStringLiteral("Pages")};
    for (int column = 0; column < 3; ++column) {
        auto* title = new QLabel(titles[column], this);
        title->setObjectName(QString::fromLatin1(names[column]));
        title->setGeometry(skin::layout::main::EmptyListColumns[column]);
        title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}
