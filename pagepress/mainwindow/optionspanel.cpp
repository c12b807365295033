#include "pagepress/mainwindow/optionspanel.h"

#include "pagepress/forms/skinlayout.h"
#include "pagepress/forms/skinresources.h"
#include "pagepress/skin/tssskinbutton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

namespace main = skin::layout::main;

// Window rectangles of the skin turned into this panel's coordinates.
QRect local(const QRect& windowRect)
{
    return windowRect.translated(-main::OptionsBox.topLeft());
}

QRect local(int left, int top, int width, int height)
{
    return local(QRect(left, top, width, height));
}

constexpr int RowHeight = 22;
constexpr int HeadingHeight = 18;

} // namespace

OptionsPanel::OptionsPanel(QWidget* parent)
    : QWidget(parent)
    , m_cboOutputType(new QComboBox(this))
    , m_edtResolution(new QLineEdit(QStringLiteral("72"), this))
    , m_edtFramerate(new QLineEdit(QStringLiteral("2"), this))
    , m_rbAllPages(new QRadioButton(this))
    , m_rbPages(new QRadioButton(this))
    , m_edtPages(new QLineEdit(this))
    , m_edtOutputFolder(new QLineEdit(this))
    , m_btnBrowes(new skin::TssSkinButton(skin::skinImage(skin::SkinArt::BrowseButton),
                                          skin::skinCaption(skin::SkinArt::BrowseButton), this))
    , m_btnOpen(new skin::TssSkinButton(skin::skinImage(skin::SkinArt::OpenFolderButton),
                                        skin::skinCaption(skin::SkinArt::OpenFolderButton), this))
{
    setObjectName(QStringLiteral("OptionsPanel"));
    setGeometry(main::OptionsBox);

    // Left group: output type, resolution and play speed.
    const QRect option = main::OptionGroup;
    addHeading("lblOptionGrp", QStringLiteral("Option"), local(option.left(), option.top(), 200, HeadingHeight));
    const int typeRow = option.top() + 26;
    addLabel("lblOutputType", QStringLiteral("Output Type:"), local(option.left(), typeRow, 90, RowHeight));
    m_cboOutputType->setObjectName(QStringLiteral("cboOutputType"));
    m_cboOutputType->setEditable(false);
    m_cboOutputType->setGeometry(local(option.left() + 92, typeRow, 180, RowHeight));
    const int numberRow = typeRow + 32;
    addLabel("lblResolution", QStringLiteral("Resolution:"), local(option.left(), numberRow, 90, RowHeight));
    m_edtResolution->setObjectName(QStringLiteral("edtResolution"));
    m_edtResolution->setGeometry(local(option.left() + 92, numberRow, 46, RowHeight));
    addLabel("lblResSubfix", QStringLiteral("dpi"), local(option.left() + 142, numberRow, 26, RowHeight));
    addLabel("TntLabel1", QStringLiteral("Play_Speed:"), local(option.left() + 176, numberRow, 76, RowHeight));
    m_edtFramerate->setObjectName(QStringLiteral("edtFramerate"));
    m_edtFramerate->setGeometry(local(option.left() + 254, numberRow, 40, RowHeight));
    addLabel("TntLabel2", QStringLiteral("pages/s"), local(option.left() + 298, numberRow, 60, RowHeight));

    // Right group: the page selection and its tip.
    const QRect range = main::PageRangeGroup;
    addHeading("lblPageRangeGrp", QStringLiteral("Page Range"), local(range.left(), range.top(), 200, HeadingHeight));
    const int modeRow = range.top() + 26;
    m_rbAllPages->setObjectName(QStringLiteral("rbAllPages"));
    m_rbAllPages->setGeometry(local(range.left(), modeRow, 86, RowHeight));
    m_rbPages->setObjectName(QStringLiteral("rbPages"));
    m_rbPages->setGeometry(local(range.left() + 90, modeRow, 64, RowHeight));
    m_edtPages->setObjectName(QStringLiteral("edtPages"));
    m_edtPages->setGeometry(local(range.left() + 158, modeRow, range.width() - 168, RowHeight));
    m_edtPages->setEnabled(false);
    QLabel* tip = addLabel("lblPageRangeTip",
                           QStringLiteral("Enter page numbers and/or page ranges separated by commas, "
                                          "for example, 1,3,6-18"),
                           local(range.left(), modeRow + 28, range.width() - 10, 32));
    tip->setWordWrap(true);
    tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Bottom row: the output folder.
    const QRect folderEdit = main::OutputFolderEdit;
    addLabel("lblOutputFolder", QStringLiteral("Output Folder:"),
             local(main::FolderRow.left(), folderEdit.top(), folderEdit.left() - main::FolderRow.left() - 4,
                   folderEdit.height()));
    m_edtOutputFolder->setObjectName(QStringLiteral("edtOutputFolder"));
    m_edtOutputFolder->setReadOnly(true);
    m_edtOutputFolder->setGeometry(local(folderEdit));
    m_btnBrowes->setObjectName(QStringLiteral("btnBrowes"));
    m_btnBrowes->move(local(main::BrowseButton).topLeft());
    m_btnOpen->setObjectName(QStringLiteral("btnOpen"));
    m_btnOpen->move(local(main::OpenButton).topLeft());
}

QLabel* OptionsPanel::addHeading(const char* name, const QString& text, const QRect& geometry)
{
    QLabel* heading = addLabel(name, text, geometry);
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    return heading;
}

QLabel* OptionsPanel::addLabel(const char* name, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

void OptionsPanel::showOutputFolder(const QString& folder)
{
    m_edtOutputFolder->setText(folder);
    m_edtOutputFolder->setCursorPosition(0);
}
