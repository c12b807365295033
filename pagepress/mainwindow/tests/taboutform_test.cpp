// The about box opened from the window, and what the window's start leaves in the program
// folder (the converter's language file).

#include "windowfixture.h"

#include "pagepress/mainwindow/linklabel.h"
#include "pagepress/mainwindow/taboutform.h"
#include "pagepress/skin/tssskinbutton.h"

#include <QImageReader>
#include <QLabel>
#include <QTest>
#include <QThread>

namespace {

using uikit::ModalResult;

void click(QWidget* widget)
{
    const QPoint middle = widget->rect().center();
    QTest::mousePress(widget, Qt::LeftButton, {}, middle);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, middle);
}

class AboutBox : public WindowTest {
protected:
    // Opens the box through its action and lets `act` work on it while it is modal.
    void openAbout(const std::function<void(TAboutForm&)>& act)
    {
        ShownForms<TAboutForm> boxes;
        boxes.onShow = [&](TAboutForm& box) {
            QMetaObject::invokeMethod(&box, [&box, act] { act(box); }, Qt::QueuedConnection);
        };
        window().show();
        ASSERT_TRUE(run(actions().AboutAct));
        shown = boxes.seen.size();
    }
    int shown = 0;
};

TEST_F(AboutBox, ShowsPictureVersionLinksAndCopyrightFromTheContext)
{
    openAbout([&](TAboutForm& box) {
        EXPECT_EQ(box.lblVersion()->text(), "3.1.4");
        EXPECT_EQ(box.lblSupport()->text(), "https://support.example/ask");
        EXPECT_EQ(box.lblHome()->text(), "https://home.example/converter");
        EXPECT_EQ(box.lblCopyright()->text(), "Copyright (C) Test Company");
        const QSize picture = QImageReader(m_context.ResourceDir + "Skins/about.bmp").size();
        EXPECT_FALSE(box.TntImage1()->pixmap().isNull());
        EXPECT_EQ(box.TntImage1()->size(), picture);
        EXPECT_EQ(box.size(), QSize(418, 263));
        box.setModalResult(ModalResult::Ok);
    });
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(window().findChildren<TAboutForm*>().isEmpty()) << "the box is destroyed after use";
}

TEST_F(AboutBox, LinksOpenExactlyTheTextTheyShow)
{
    openAbout([&](TAboutForm& box) {
        click(box.lblSupport());
        click(box.lblHome());
        box.setModalResult(ModalResult::Ok);
    });
    EXPECT_EQ(m_shell.opened(), (QStringList{"https://support.example/ask", "https://home.example/converter"}));
}

TEST_F(AboutBox, BothButtonsCloseIt)
{
    struct Case {
        skin::TssSkinButton* (TAboutForm::*button)() const;
        ModalResult result;
    };
    for (const Case c : {Case{&TAboutForm::ssSBOk, ModalResult::Ok}, Case{&TAboutForm::ssSBClose, ModalResult::Cancel}}) {
        ModalResult ended = ModalResult::None;
        openAbout([&](TAboutForm& box) {
            QObject::connect(&box, &uikit::Form::modalResultChanged, &box, [&](ModalResult result) {
                if (result != ModalResult::None)
                    ended = result;
            });
            click((box.*c.button)());
        });
        EXPECT_EQ(ended, c.result);
        // The window goes on as before.
        EXPECT_TRUE(enabled(actions().AboutAct));
        EXPECT_TRUE(window().isVisible());
    }
}

TEST_F(AboutBox, EmptyVersionLeavesTheLabelEmpty)
{
    m_context.Version.clear();
    openAbout([](TAboutForm& box) {
        EXPECT_TRUE(box.lblVersion()->text().isEmpty());
        box.setModalResult(ModalResult::Ok);
    });
}

TEST_F(AboutBox, MissingPictureIsReportedAndNoBoxShown)
{
    QFile::remove(m_context.ResourceDir + "Skins/about.bmp");
    openAbout([](TAboutForm& box) { box.setModalResult(ModalResult::Ok); });
    EXPECT_EQ(shown, 0);
    ASSERT_EQ(m_messages.calls().size(), 1);
    EXPECT_TRUE(m_messages.calls()[0].text.contains("about.bmp"));
}

class WindowStart : public WindowTest {
protected:
    QString languageFile() { return m_context.ExeDir + "RC2/add-to-xpdfrc"; }
};

TEST_F(WindowStart, FirstStartWritesTheLanguageFileAndTheSecondLeavesIt)
{
    ASSERT_TRUE(QDir().mkpath(m_context.ExeDir + "RC2"));
    window();
    QFile file(languageFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    file.close();
    const QByteArray folder = m_context.ExeDir.toUtf8();
    EXPECT_TRUE(written.startsWith("cidToUnicode\tAdobe-GB1\t\"" + folder + "RC2/Adobe-GB1.cidToUnicode\"\n"));
    EXPECT_EQ(written.count('\n'), 7);
    EXPECT_EQ(written.back(), '\0');
    const QDateTime firstWrite = QFileInfo(languageFile()).lastModified();

    m_window.reset();
    QThread::msleep(20);
    window();
    EXPECT_EQ(QFileInfo(languageFile()).lastModified(), firstWrite);
    EXPECT_TRUE(m_messages.calls().isEmpty());
}

TEST_F(WindowStart, WithoutRc2FolderNoFileAndNoMessage)
{
    window();
    EXPECT_FALSE(QFileInfo::exists(m_context.ExeDir + "RC2"));
    EXPECT_TRUE(m_messages.calls().isEmpty());
}

} // namespace
