#include "pagepress/mainwindow/taboutform.h"

#include "pagepress/forms/skinlayout.h"
#include "pagepress/forms/skinresources.h"
#include "pagepress/mainwindow/linklabel.h"
#include "pagepress/module/muicontext.h"
#include "pagepress/skin/skintitlelabel.h"
#include "pagepress/skin/tssskinbutton.h"
#include "pagepress/skin/tssskinform.h"
#include "uikit/shellservice.h"

#include <QImageReader>
#include <QLabel>
#include <QPixmap>

#include <stdexcept>

namespace {

namespace about = skin::layout::about;

const MuiContext& context()
{
    static const MuiContext none;
    const MuiContext* published = GetMuiContext();
    return published ? *published : none;
}

QImage readPicture(const QString& path)
{
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull())
        throw std::runtime_error("Cannot open file \"" + path.toStdString() + "\": " +
                                 reader.errorString().toStdString());
    return picture;
}

// Version label colour of the artwork: red 138, green 112, blue 36.
const QColor versionColour(138, 112, 36);

} // namespace

TAboutForm::TAboutForm(QWidget* owner)
    : uikit::Form(owner)
    , m_ssSkinForm1(new skin::TssSkinForm(this))
    , m_ssSBOk(new skin::TssSkinButton(skin::skinImage(skin::SkinArt::AboutOkButton),
                                       skin::skinCaption(skin::SkinArt::AboutOkButton), this))
    , m_ssSBClose(new skin::TssSkinButton(skin::skinImage(skin::SkinArt::AboutCloseButton),
                                          skin::skinCaption(skin::SkinArt::AboutCloseButton), this))
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About"));
    setPosition(uikit::FormPosition::OwnerCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    setFont(font);
    m_ssSkinForm1->SetColor(QColor(255, 0, 255));
    m_ssSkinForm1->SetPicture(skin::aboutBoxSkin());
    m_ssSkinForm1->lower();

    // The picture first: without it there is no box to show.
    const QImage picture = readPicture(context().ResourceDir + QStringLiteral("Skins/about.bmp"));
    m_TntImage1 = new QLabel(this);
    m_TntImage1->setObjectName(QStringLiteral("TntImage1"));
    m_TntImage1->setPixmap(QPixmap::fromImage(picture));
    m_TntImage1->setGeometry(QRect(about::Picture.topLeft(), picture.size()));

    QLabel* title = addLabel("lblTitle", QStringLiteral("About"), {14, 7, 200, 17});
    skin::StyleTitleLabel(title, 13);

    const QRect text = about::TextArea;
    QFont versionFont(QStringLiteral("Arial"));
    versionFont.setPixelSize(13);
    versionFont.setBold(true);
    QLabel* versionTag = addLabel("lblVersionTag", QStringLiteral("Version"), {text.left(), text.top() + 4, 56, 18});
    m_lblVersion = addLabel("lblVersion", context().Version, {text.left() + 60, text.top() + 4, 120, 18});
    for (QLabel* label : {versionTag, m_lblVersion}) {
        label->setFont(versionFont);
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, versionColour);
        label->setPalette(colours);
    }

    auto link = [this](const char* name, const QString& target, const QRect& geometry) {
        auto* label = new LinkLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setText(target);
        label->setGeometry(geometry);
        label->setAttribute(Qt::WA_TranslucentBackground);
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, QColor(7, 72, 160));
        label->setPalette(colours);
        connect(label, &LinkLabel::clicked, this, [this, label] { LinkLabelClick(label); });
        return label;
    };
    addLabel("lblSupportTag", QStringLiteral("Support:"), {text.left(), text.top() + 36, text.width(), 16});
    m_lblSupport = link("lblSupport", context().SupportLink, {text.left(), text.top() + 53, text.width(), 16});
    addLabel("lblHomeTag", QStringLiteral("Home Page:"), {text.left(), text.top() + 78, text.width(), 16});
    m_lblHome = link("lblHome", context().HomePageLink, {text.left(), text.top() + 95, text.width(), 16});
    m_lblCopyright = addLabel("lblCopyright", context().CopyrightLine, {text.left(), text.top() + 118, text.width(), 32});
    m_lblCopyright->setWordWrap(true);
    m_lblCopyright->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_ssSBOk->setObjectName(QStringLiteral("ssSBOk"));
    m_ssSBOk->move(about::OkButton.topLeft());
    m_ssSBOk->SetModalResult(uikit::ModalResult::Ok);
    m_ssSBClose->setObjectName(QStringLiteral("ssSBClose"));
    m_ssSBClose->move(about::CloseButton.topLeft());
    m_ssSBClose->SetModalResult(uikit::ModalResult::Cancel);
}

void TAboutForm::LinkLabelClick(const LinkLabel* sender)
{
    uikit::Shell::instance().open(sender->text());
}

QLabel* TAboutForm::addLabel(const char* name, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}
