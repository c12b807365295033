// A user's whole road through the application, in one process: the context as the start
// builds it for the staged installation (its option store, converter tool and viewer movie),
// the real main window and PDF engine, and the user's dialogs scripted. The movies written
// are read back with an independent SWF parser.

#include "pagepress/conversion/commandline.h"
#include "pagepress/conversion/tconvertform1.h"
#include "pagepress/documents/itemlist.h"
#include "pagepress/mainwindow/filelistview.h"
#include "pagepress/mainwindow/optionspanel.h"
#include "pagepress/mainwindow/previewbox.h"
#include "pagepress/mainwindow/tconverterform1.h"
#include "pagepress/module/applicationstart.h"
#include "platform/dynamiclibrary.h"
#include "uikit/action.h"
#include "uikit/actionlist.h"
#include "uikit/scriptedmessageservice.h"
#include "uikit/scriptedservices.h"
#include "uikit/testing/guiapp.h"
#include "uikit/testing/scriptedservices.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <map>
#include <memory>
#include <set>

namespace {

using uikit::MessageAnswer;

QString stageDir()
{
    return qEnvironmentVariable("PP_STAGE_DIR") + "/";
}

QString fixture(const char* name)
{
    return qEnvironmentVariable("PP_FIXTURES_DIR") + "/" + name;
}

// The movie summarised by the SWF reader as "path=value" lines; empty when it cannot run.
std::map<QString, QString> movieSummary(const QString& movie)
{
    QProcess reader;
    reader.start("node", {QStringLiteral(SWFCHECK_DIR) + "/swfcheck.mjs", "--lines", movie});
    std::map<QString, QString> summary;
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0) {
        ADD_FAILURE() << "the SWF reader failed on " << movie.toStdString() << ": "
                      << reader.readAllStandardError().toStdString();
        return summary;
    }
    for (const QByteArray& line : reader.readAllStandardOutput().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            summary[QString::fromUtf8(line.left(equals))] = QString::fromUtf8(line.mid(equals + 1));
    }
    return summary;
}

QString readerMissing()
{
    QProcess node;
    node.start("node", {"--version"});
    if (!node.waitForFinished(10000) || node.exitCode() != 0)
        return "node is not installed";
    if (!QFileInfo::exists(QStringLiteral(SWFCHECK_DIR) + "/node_modules/swf-parser"))
        return "swf-parser is not installed (scripts/setup-deps installs it)";
    return {};
}

// What the progress dialog showed while it ran: for each "Converting <name>." the page
// numbers it held. Sampled on the UI thread, as its own timer does.
class ProgressWatch : public QObject {
public:
    ProgressWatch() { QApplication::instance()->installEventFilter(this); }
    ~ProgressWatch() override { QApplication::instance()->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<TConvertForm1*>(watched)) {
                m_dialog = dialog;
                ++dialogs;
                m_sampler.callOnTimeout([this] { sample(); });
                m_sampler.start(1);
            }
        return false;
    }
    void sample()
    {
        if (!m_dialog)
            return;
        const QString file = m_dialog->fileLabel()->text();
        if (!file.isEmpty() && m_dialog->currentPage() > 0)
            pages[file].insert(m_dialog->currentPage());
    }
    TConvertForm1* dialog() const { return m_dialog; }

    int dialogs = 0;
    std::map<QString, std::set<int>> pages;

private:
    QPointer<TConvertForm1> m_dialog;
    QTimer m_sampler;
};

class EndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        guiApp();
        ASSERT_TRUE(QFileInfo(ToolPath(stageDir())).isExecutable()) << "the converter tool is staged with the build";
        if (const QString missing = readerMissing(); !missing.isEmpty())
            GTEST_SKIP() << missing.toStdString();
        ASSERT_TRUE(m_optionStore) << OPTIONSTORE_PLUGIN;

        // As the start does it for the staged installation.
        const QStringList titles = QDir(stageDir() + "sys/soft").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        ASSERT_EQ(titles.size(), 1);
        m_context = makeMuiContext(stageDir(), titles[0], QString());
        m_context.Version = readProductVersion(m_context.ResourceDir + "config.xml");
        m_context.HomePageLink = QString::fromUtf8(HomePageAddress);
        m_context.SupportLink = QString::fromUtf8(SupportAddress);
        m_context.CopyrightLine = QString::fromUtf8(CopyrightText);
        ASSERT_FALSE(m_context.Version.isEmpty()) << "the option store read config.xml";
        SetMuiContext(&m_context);
        m_shell.setDocumentsFolder(m_work.path() + "/Documents");
    }
    void TearDown() override
    {
        m_window.reset();
        SetMuiContext(nullptr);
        ClearItemInfos();
        platform::unloadLibrary(m_optionStore);
    }

    QString copyFixture(const char* name, const QString& as)
    {
        const QString path = m_work.path() + "/pdf/" + as;
        QDir().mkpath(m_work.path() + "/pdf");
        EXPECT_TRUE(QFile::copy(fixture(name), path)) << name;
        return path;
    }
    void run(uikit::Action* action)
    {
        m_window->TntActionList1()->updateActions();
        ASSERT_TRUE(action->execute()) << action->caption().toStdString() << " is disabled";
    }
    // A click on the row, as the user selects it.
    void clickRow(int row)
    {
        FileListView* list = m_window->TntLV();
        const QRect place = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        ASSERT_EQ(list->focusedRow(), row);
    }
    void chooseType(int type)
    {
        QComboBox* types = m_window->options()->cboOutputType();
        types->setCurrentIndex(type);
        emit types->activated(type);
    }
    void type(QLineEdit* edit, const QString& keys)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, keys);
    }

    platform::LibraryHandle m_optionStore = platform::loadLibrary(OPTIONSTORE_PLUGIN);
    QTemporaryDir m_work{QDir::tempPath() + "/pp e2e ÄÖ XXXXXX"};
    MuiContext m_context;
    uikit::InstalledScriptedServices m_services;
    uikit::ScriptedMessageService& m_messages = m_services.messages;
    uikit::ScriptedOpenFileService& m_openFiles = m_services.openFiles;
    uikit::ScriptedFolderBrowserService& m_folders = m_services.folders;
    uikit::ScriptedShellService& m_shell = m_services.shell;
    std::unique_ptr<TConverterForm1> m_window;
};

TEST_F(EndToEnd, AddPreviewChooseConvertAndEveryCheckedMovieHoldsItsSelectedPages)
{
    const QString refcard = copyFixture("refcard-a4.pdf", "ref card.pdf");         // 3 pages
    const QString mime = copyFixture("shared-mime-info-spec.pdf", "Grüße mime.pdf"); // 17 pages
    const QString jlreq = copyFixture("test-jlreq.pdf", "jlreq.v2.pdf");            // 2 pages
    const QString skipped = copyFixture("Dongguan.pdf", "skipped.pdf");
    m_window = std::make_unique<TConverterForm1>();
    m_window->show();
    FileListView* list = m_window->TntLV();
    OptionsPanel* options = m_window->options();
    PreviewBox* preview = m_window->preview();
    const MainWindowActions& a = m_window->actions();

    // Add File with the chooser.
    m_openFiles.queuePick({refcard, mime, jlreq, skipped});
    run(a.AddFileAct);
    ASSERT_EQ(list->rowCount(), 4);

    // The first document: page through its preview, auto play at 5 pages/s, pages 1 and 3.
    clickRow(0);
    EXPECT_EQ(preview->lblTotal()->text(), "3");
    const QImage blank = preview->PanelPreview()->grab().toImage();
    for (int page = 1; page <= 3; ++page) {
        run(a.NextPageAct);
        EXPECT_EQ(preview->lblCurPage()->text(), QString::number(page));
    }
    m_window->TntActionList1()->updateActions();
    EXPECT_FALSE(a.NextPageAct->isEnabled());
    run(a.PrevPageAct);
    run(a.PrevPageAct);
    EXPECT_EQ(preview->lblCurPage()->text(), "1");
    EXPECT_NE(preview->PanelPreview()->grab().toImage(), blank) << "the engine drew the page";
    chooseType(0);
    type(options->edtFramerate(), "5");
    run(a.PageRangeAct);
    type(options->edtPages(), "1,3");

    // The second: the simple viewer, a typed range whose finished piece is normalised.
    clickRow(1);
    chooseType(1);
    run(a.PageRangeAct);
    type(options->edtPages(), "2-4,9");
    EXPECT_EQ(list->cellText(1, FileListView::PagesColumn), "2-4,9");

    // The third: the page viewer, converting the page shown in the preview.
    clickRow(2);
    chooseType(2);
    run(a.NextPageAct);
    run(a.NextPageAct);
    run(a.CurrentPageAct);
    EXPECT_EQ(list->cellText(2, FileListView::PagesColumn), "2");

    // The fourth stays out; the output folder does not exist yet.
    list->setRowChecked(3, false);
    const QString outputFolder = m_work.path() + "/out put/swf";
    m_folders.queuePick(outputFolder);
    run(a.BrowseAct);

    ProgressWatch progress;
    int pageAtEnd = 0;
    m_messages.setOnShow([&](const uikit::ScriptedMessageService::Call& call) {
        if (call.text == "Conversion is completed. Open the swf folder?") {
            progress.sample();
            pageAtEnd = progress.dialog() ? progress.dialog()->currentPage() : 0;
            m_messages.queueAnswer(MessageAnswer::Yes);
        }
    });
    run(a.ConvertAct);

    EXPECT_EQ(m_messages.texts(), QStringList{"Conversion is completed. Open the swf folder?"});
    EXPECT_EQ(m_shell.opened(), QStringList{outputFolder});
    EXPECT_EQ(progress.dialogs, 1);
    EXPECT_EQ(pageAtEnd, 2) << "the last document's only page";

    struct Movie {
        QString file;
        QString shown; // in "Converting %s."
        std::set<int> pages;
        QString kind;
    };
    const Movie movies[] = {
        {"ref card.swf", "ref card.pdf", {1, 3}, "auto"},
        {"Grüße mime.swf", "Grüße mime.pdf", {2, 3, 4, 9}, "simple"},
        {"jlreq.v2.swf", "jlreq.v2.pdf", {2}, "viewer"},
    };
    for (const Movie& movie : movies) {
        SCOPED_TRACE(movie.file.toStdString());
        // Every page the dialog showed for the document is one of its selected pages.
        for (const auto& [label, seen] : progress.pages) {
            if (label != "Converting " + movie.shown + ".")
                continue;
            for (int page : seen)
                EXPECT_TRUE(movie.pages.count(page)) << "page " << page;
        }
        const QString path = outputFolder + "/" + movie.file;
        ASSERT_TRUE(QFileInfo::exists(path));
        std::map<QString, QString> s = movieSummary(path);
        EXPECT_EQ(s["problems.length"], "0") << s["problems.0"].toStdString();
        EXPECT_EQ(s["frameCount"], QString::number(movie.pages.size()));
        EXPECT_EQ(s["frames.length"], QString::number(movie.pages.size()));
        if (movie.kind == "auto") {
            EXPECT_EQ(s["frameRate"].toDouble(), 5.0);
            EXPECT_EQ(s["buttons.length"], "0");
            EXPECT_EQ(s["frames.0.stop"], "false");
        } else if (movie.kind == "simple") {
            EXPECT_EQ(s["buttons.length"], "2");
            EXPECT_EQ(s["frames.0.stop"], "true");
        } else {
            EXPECT_EQ(s["frames.0.placed.0.name"], "viewer");
        }
    }
    EXPECT_FALSE(progress.pages.empty()) << "the dialog showed page progress";
    EXPECT_EQ(QDir(outputFolder).entryList(QDir::Files), (QStringList{"Grüße mime.swf", "jlreq.v2.swf", "ref card.swf"}))
        << "nothing for the unchecked document, no temporary files left";
}

} // namespace
