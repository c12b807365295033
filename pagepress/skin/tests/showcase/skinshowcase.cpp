// skinshowcase: every window skin with its buttons and every button strip state in one
// picture, and single skinned windows on a patterned backdrop for a real X server.
//   skinshowcase --save <file.png>              renders the gallery offscreen and saves it
//   skinshowcase --window <about|addfile|convert|main> [--seconds N]
//                                               shows that window borderless at (120, 90)

#include "pagepress/forms/skinlayout.h"
#include "pagepress/forms/skinresources.h"
#include "pagepress/skin/tskinprocess.h"
#include "pagepress/skin/tssskinbutton.h"
#include "pagepress/skin/tssskinform.h"
#include "uikit/form.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <cstdio>

using skin::SkinArt;
namespace L = skin::layout;

namespace {

struct Placed {
    SkinArt strip;
    QRect at;
};

void addButtons(QWidget* form, std::initializer_list<Placed> buttons)
{
    for (const Placed& b : buttons) {
        auto* button = new skin::TssSkinButton(skin::skinImage(b.strip), skin::skinCaption(b.strip), form);
        button->move(b.at.topLeft());
    }
}

QLabel* addLabel(QWidget* form, const QRect& at, const QString& text, int pixelSize, bool bold, QColor colour)
{
    auto* label = new QLabel(text, form);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    label->setGeometry(at);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setWordWrap(true);
    return label;
}

// One of the application's windows, dressed as the forms will dress it (parent may be
// null for a real top-level window).
QWidget* makeSample(const QString& which, QWidget* parent)
{
    QWidget* form = parent ? new QWidget(parent) : new uikit::Form;
    auto* background = new skin::TssSkinForm(form);
    const QColor white(Qt::white);
    const QColor text(0x27, 0x31, 0x3f);
    if (which == "main") {
        background->SetPicture(skin::mainWindowSkin());
        addLabel(form, L::main::TitleText, "Brenlow PDF to Flash Converter", 13, true, white);
        auto* face = new QLabel(form);
        face->setPixmap(QPixmap::fromImage(skin::emptyListPicture()));
        face->setGeometry(L::main::ListArea);
        addLabel(form, QRect(L::main::OptionGroup.topLeft() + QPoint(4, 4), QSize(200, 18)), "Option", 12, true, text);
        addLabel(form, QRect(L::main::PageRangeGroup.topLeft() + QPoint(4, 4), QSize(200, 18)), "Page Range", 12, true, text);
        addLabel(form, QRect(34, 521, 90, 18), "Output Folder:", 12, false, text);
        const char* columns[] = {"File Name", "Output Type", "Pages"};
        for (int i = 0; i < 3; ++i)
            addLabel(form, L::main::EmptyListColumns[i].translated(L::main::ListArea.topLeft()), columns[i], 12, true, text);
        addLabel(form, QRect(14, 39, 60, 18), "   File", 12, false, white);
        addLabel(form, QRect(74, 39, 60, 18), "   Help", 12, false, white);
        addButtons(form, {{SkinArt::MinimizeButton, L::main::MinButton},
                          {SkinArt::MainCloseButton, L::main::CloseButton},
                          {SkinArt::AddFileToolButton, L::main::AddFileButton},
                          {SkinArt::AddFolderToolButton, L::main::AddFolderButton},
                          {SkinArt::DeleteToolButton, L::main::DeleteButton},
                          {SkinArt::ClearAllToolButton, L::main::ClearAllButton},
                          {SkinArt::ConvertToolButton, L::main::ConvertButton},
                          {SkinArt::PrevPageButton, L::main::PrevPageButton},
                          {SkinArt::NextPageButton, L::main::NextPageButton},
                          {SkinArt::BrowseButton, L::main::BrowseButton},
                          {SkinArt::OpenFolderButton, L::main::OpenButton}});
    } else if (which == "addfile") {
        background->SetPicture(skin::addFileDialogSkin());
        addLabel(form, QRect(43, 76, 449, 66), "Add File: '/home/ana/Documents/Quarterly report.pdf'.", 12, false, text);
        addButtons(form, {{SkinArt::AddFileOkButton, L::addfile::OkButton},
                          {SkinArt::AddFileCancelButton, L::addfile::CancelButton},
                          {SkinArt::AddFileCloseButton, L::addfile::CloseButton}});
    } else if (which == "convert") {
        background->SetPicture(skin::convertDialogSkin());
        addLabel(form, QRect(18, 5, 120, 18), "Conversion", 13, true, white);
        addLabel(form, QRect(33, 42, 389, 17), "Converting Quarterly report.pdf.", 12, false, text);
        addLabel(form, QRect(33, 61, 181, 17), "Converting Page 12.", 12, false, text);
        auto* bar = new skin::TSkinProcess(form);
        bar->setGeometry(L::convert::ProgressBar);
        const QString stage = qEnvironmentVariable("PP_STAGE_DIR");
        const QImage staged = skin::TSkinProcess::LoadImageA(stage + "/sys/soft/Brenlow PDF to Flash Converter/Skins/progress.bmp");
        bar->SetImage2(staged);
        bar->SetBaseLine(11);
        bar->SetExtRange(0, 411);
        bar->Setprocess(60);
        addButtons(form, {{SkinArt::StopButton, L::convert::StopButton}, {SkinArt::ConvertCloseButton, L::convert::CloseButton}});
    } else {
        background->SetPicture(skin::aboutBoxSkin());
        addLabel(form, QRect(14, 7, 120, 18), "About", 13, true, white);
        auto* picture = new QLabel(form);
        const QString stage = qEnvironmentVariable("PP_STAGE_DIR");
        picture->setPixmap(QPixmap(stage + "/sys/soft/Brenlow PDF to Flash Converter/Skins/about.bmp"));
        picture->setGeometry(L::about::Picture);
        const QColor gold(138, 112, 36);
        addLabel(form, QRect(156, 50, 60, 18), "Version", 13, true, gold);
        addLabel(form, QRect(216, 50, 45, 18), "1.0.0", 13, true, gold);
        addLabel(form, QRect(156, 86, 240, 16), "Support:", 12, false, text);
        addLabel(form, QRect(156, 102, 240, 16), "https://brenlow.example/support", 12, false, QColor(0x1d, 0x5f, 0xbf));
        addLabel(form, QRect(156, 126, 240, 16), "Home Page:", 12, false, text);
        addLabel(form, QRect(156, 142, 240, 16), "https://brenlow.example", 12, false, QColor(0x1d, 0x5f, 0xbf));
        addLabel(form, QRect(20, 228, 290, 16), "Copyright (C) Brenlow Studio", 11, false, QColor(0x5a, 0x65, 0x74));
        addButtons(form, {{SkinArt::AboutOkButton, L::about::OkButton}, {SkinArt::AboutCloseButton, L::about::CloseButton}});
    }
    return form;
}

// Every strip cut into its cells, with the state under each cell.
class StripGallery : public QWidget {
public:
    explicit StripGallery(QWidget* parent)
        : QWidget(parent)
    {
        int height = 30;
        for (const auto& info : skin::skinArtCatalogue) {
            if (info.kind == skin::ArtKind::ButtonStrip)
                height += info.height + 26;
        }
        resize(760, height);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0xf3, 0xf4, 0xf6));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        p.setFont(font);
        p.setPen(QColor(0x27, 0x31, 0x3f));
        const char* states[] = {"normal", "mouse over", "pressed"};
        int y = 8;
        for (int x = 0; x < 3; ++x)
            p.drawText(QRect(180 + x * 190, y, 180, 16), Qt::AlignLeft, states[x]);
        y += 22;
        for (std::size_t i = 0; i < skin::skinArtCatalogue.size(); ++i) {
            const auto& info = skin::skinArtCatalogue[i];
            if (info.kind != skin::ArtKind::ButtonStrip)
                continue;
            const QImage strip = skin::skinImage(static_cast<SkinArt>(i));
            p.drawText(QRect(8, y, 170, info.height), Qt::AlignVCenter | Qt::AlignLeft,
                       QStringLiteral("%1  %2 x %3").arg(info.name).arg(info.width).arg(info.height));
            const int cell = info.width / 3;
            for (int k = 0; k < 3; ++k)
                p.drawImage(QPoint(180 + k * 190, y), strip, QRect(k * cell, 0, cell, info.height));
            y += info.height + 26;
        }
    }
};

QWidget* makeGallery()
{
    auto* gallery = new QWidget;
    gallery->setAutoFillBackground(true);
    QPalette palette = gallery->palette();
    palette.setColor(QPalette::Window, QColor(0x8a, 0x94, 0xa3));
    gallery->setPalette(palette);
    QWidget* main = makeSample("main", gallery);
    main->move(20, 20);
    QWidget* about = makeSample("about", gallery);
    about->move(871, 20);
    QWidget* convert = makeSample("convert", gallery);
    convert->move(871, 303);
    QWidget* addfile = makeSample("addfile", gallery);
    addfile->move(871, 510);
    auto* strips = new StripGallery(gallery);
    strips->move(20, 612);
    gallery->resize(871 + 527 + 20, 612 + strips->height() + 20);
    return gallery;
}

// A striped backdrop, so that what the window's region cuts away shows clearly.
class Backdrop : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x2e, 0x8b, 0x57));
        p.setPen(QPen(QColor(0x9a, 0xd4, 0xb0), 3));
        for (int x = -height(); x < width(); x += 14)
            p.drawLine(x, 0, x + height(), height());
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "--save") {
        QWidget* gallery = makeGallery();
        gallery->show();
        app.processEvents();
        const bool saved = gallery->grab().save(args[2]);
        delete gallery;
        if (!saved)
            std::fprintf(stderr, "skinshowcase: cannot write %s\n", qPrintable(args[2]));
        return saved ? 0 : 1;
    }
    if (args.size() >= 3 && args[1] == "--window") {
        Backdrop backdrop;
        backdrop.setWindowFlag(Qt::FramelessWindowHint);
        backdrop.setGeometry(0, 0, 1280, 1024);
        backdrop.show();
        QWidget* window = makeSample(args[2], nullptr);
        window->move(120, 90);
        window->show();
        if (args.size() == 5 && args[3] == "--seconds")
            QTimer::singleShot(args[4].toInt() * 1000, &app, &QApplication::quit);
        const int rc = app.exec();
        delete window;
        return rc;
    }
    std::fprintf(stderr, "usage: skinshowcase --save <file.png> | --window <about|addfile|convert|main> [--seconds N]\n");
    return 2;
}
