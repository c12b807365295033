#include "pagepress/skin/skintitlelabel.h"

#include <QLabel>

namespace skin {

void StyleTitleLabel(QLabel* label, int pixelSize)
{
    QFont font = label->font();
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    font.setBold(true);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(colours);
}

} // namespace skin
