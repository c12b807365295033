#include "pagepress/mainwindow/tconverterform1.h"

#include "pagepress/mainwindow/languagesupportfile.h"
#include "pagepress/module/muicontext.h"

#include <QLabel>
#include <QVBoxLayout>

TConverterForm1::TConverterForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_titleLabel(new QLabel(this))
{
    setFixedSize(831, 572);
    const MuiContext* context = GetMuiContext();
    const QString title = context ? context->Title : QString();
    setWindowTitle(title);
    m_titleLabel->setText(title);
    m_titleLabel->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_titleLabel);
    WriteLanguageSupportFile();
}
