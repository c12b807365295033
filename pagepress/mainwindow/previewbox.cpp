#include "pagepress/mainwindow/previewbox.h"

#include "pagepress/forms/skinlayout.h"
#include "pagepress/forms/skinresources.h"
#include "pagepress/mainwindow/previewpanel.h"
#include "pagepress/skin/tssskinbutton.h"

#include <QLabel>

namespace {

namespace main = skin::layout::main;

QRect local(const QRect& windowRect)
{
    return windowRect.translated(-main::PreviewBox.topLeft());
}

QLabel* pageLabel(const QString& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setPixelSize(11);
    label->setFont(font);
    return label;
}

} // namespace

PreviewBox::PreviewBox(QWidget* parent)
    : QWidget(parent)
    , m_panelPreview(new PreviewPanel(this))
    , m_lblPreviewTip(new QLabel(QStringLiteral("Please Click the next page to preview"), m_panelPreview))
    , m_btnPrevPage(new skin::TssSkinButton(skin::skinImage(skin::SkinArt::PrevPageButton),
                                            skin::skinCaption(skin::SkinArt::PrevPageButton), this))
    , m_btnNextPage(new skin::TssSkinButton(skin::skinImage(skin::SkinArt::NextPageButton),
                                            skin::skinCaption(skin::SkinArt::NextPageButton), this))
    , m_lblCurPage(pageLabel(QString(), "lblCurPage", this))
    , m_lblTotal(pageLabel(QString(), "lblTotal", this))
{
    setObjectName(QStringLiteral("PreviewBox"));
    setGeometry(main::PreviewBox);

    // A page is drawn onto the panel, over its window colour.
    m_panelPreview->setObjectName(QStringLiteral("PanelPreview"));
    m_panelPreview->setGeometry(local(main::PreviewPanel));
    m_panelPreview->hide();

    m_lblPreviewTip->setObjectName(QStringLiteral("lblPreviewTip"));
    QFont tipFont(QStringLiteral("Arial"));
    tipFont.setPixelSize(14);
    m_lblPreviewTip->setFont(tipFont);
    QPalette tipColours = m_lblPreviewTip->palette();
    tipColours.setColor(QPalette::WindowText, QColor(7, 72, 101));
    m_lblPreviewTip->setPalette(tipColours);
    m_lblPreviewTip->setWordWrap(true);
    m_lblPreviewTip->setAlignment(Qt::AlignCenter);
    m_lblPreviewTip->setGeometry(12, 60, main::PreviewPanel.width() - 24, 70);
    m_lblPreviewTip->hide();

    m_btnPrevPage->setObjectName(QStringLiteral("btnPrevPage"));
    m_btnPrevPage->move(local(main::PrevPageButton).topLeft());
    m_btnNextPage->setObjectName(QStringLiteral("btnNextPage"));
    m_btnNextPage->move(local(main::NextPageButton).topLeft());

    // "Page: n" over the left half of the label strip, "Total: n" over the right half.
    const QRect labels = local(main::PageLabels);
    const int half = labels.width() / 2;
    constexpr int tagWidth = 30;
    QLabel* pageTag = pageLabel(QStringLiteral("Page:"), "lblCurPageTag", this);
    pageTag->setGeometry(labels.left(), labels.top(), tagWidth, labels.height());
    m_lblCurPage->setGeometry(labels.left() + tagWidth, labels.top(), half - tagWidth, labels.height());
    QLabel* totalTag = pageLabel(QStringLiteral("Total:"), "lblTotalTag", this);
    totalTag->setGeometry(labels.left() + half, labels.top(), tagWidth, labels.height());
    m_lblTotal->setGeometry(labels.left() + half + tagWidth, labels.top(), half - tagWidth, labels.height());
    // A little air between each tag and its number.
    m_lblCurPage->setIndent(3);
    m_lblTotal->setIndent(3);
}
