#include "pagepress/mainwindow/tconverterform1.h"

#include "windowfixture.h"
#include "uikit/testing/guiapp.h"
#include "uikit/testing/scriptedservices.h"
#include "pagepress/documents/adding/taddfiletipform.h"
#include "pagepress/documents/itemlist.h"
#include "pagepress/documents/testing/scriptedpdfengine.h"
#include "pagepress/mainwindow/emptylistface.h"
#include "pagepress/mainwindow/filelistview.h"
#include "pagepress/mainwindow/optionspanel.h"
#include "pagepress/mainwindow/previewbox.h"
#include "pagepress/module/muicontext.h"
#include "uikit/action.h"
#include "uikit/actionlist.h"
#include "uikit/scriptedmessageservice.h"
#include "uikit/scriptedservices.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

using uikit::MessageAnswer;

// Records the files of every adding dialog shown, in order.
class DialogRecorder : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<TAddFileTipForm*>(watched))
                runs.append(dialog->thread()->files());
        return false;
    }
    QList<QStringList> runs;
};

class MainWindow : public WindowTest {
protected:
    MainWindow() { guiApp()->installEventFilter(&m_dialogs); }
    ~MainWindow() override { guiApp()->removeEventFilter(&m_dialogs); }

    static QApplication* guiApp() { return &::guiApp(); }

    // A copy of a fixture under a new name in the test's own folder.
    QString copyOf(const char* fixtureName, const QString& relativePath)
    {
        const QString path = m_root.path() + "/" + relativePath;
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(QFile::copy(fixturePdf(fixtureName), path)) << path.toStdString();
        return path;
    }
    QString writeFile(const QString& relativePath, const QByteArray& bytes)
    {
        const QString path = m_root.path() + "/" + relativePath;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QStringList rowTexts()
    {
        QStringList rows;
        for (int row = 0; row < list().rowCount(); ++row)
            rows.append(QStringList{list().isRowChecked(row) ? "x" : "-", list().cellText(row, FileListView::NameColumn),
                                    list().cellText(row, FileListView::TypeColumn),
                                    list().cellText(row, FileListView::PagesColumn)}
                            .join("|"));
        return rows;
    }

    bool emptyStateShown()
    {
        return list().isHidden() && !window().FaceImage()->isHidden() &&
               window().preview()->PanelPreview()->isHidden();
    }

    DialogRecorder m_dialogs;
};

TEST_F(MainWindow, StartsEmptyWithTitleOutputTypesAndCreatedOutputFolder)
{
    EXPECT_EQ(window().lblTitle()->text(), "Test Converter");
    const QComboBox* types = window().options()->cboOutputType();
    ASSERT_EQ(types->count(), 3);
    EXPECT_EQ(types->itemText(0), "Auto Play Format");
    EXPECT_EQ(types->itemText(1), "Simpleviewer Format");
    EXPECT_EQ(types->itemText(2), "Rfxview Format");
    EXPECT_EQ(types->itemData(2).toInt(), 2);
    EXPECT_EQ(types->currentIndex(), 0);
    EXPECT_TRUE(window().options()->edtFramerate()->isEnabled());
    EXPECT_FALSE(window().options()->edtPages()->isEnabled());

    const QString folder = m_root.path() + "/Documents/Test Company/Test Converter";
    EXPECT_EQ(window().options()->edtOutputFolder()->text(), folder);
    EXPECT_TRUE(QFileInfo(folder).isDir());

    EXPECT_TRUE(emptyStateShown());
    const MainWindowActions& a = actions();
    for (uikit::Action* off : {a.ConvertAct, a.ClearAllAct, a.DeleteAct, a.CheckAllAct, a.UncheckAllAct,
                               a.SelAllAct, a.AllPageAct, a.PageRangeAct, a.CurrentPageAct})
        EXPECT_FALSE(enabled(off)) << off->caption().toStdString();
    for (uikit::Action* on : {a.AddFileAct, a.AddFolderAct, a.ExitAct, a.MinAct, a.HelpContentAct, a.AboutAct})
        EXPECT_TRUE(enabled(on)) << on->caption().toStdString();
}

TEST_F(MainWindow, WithoutDocumentsFolderTheOutputFolderStaysEmpty)
{
    m_shell.setDocumentsFolder(QString());
    EXPECT_TRUE(window().options()->edtOutputFolder()->text().isEmpty());
}

TEST_F(MainWindow, AddFileAddsCheckedRowsWithTypeAndPagesAndRecords)
{
    const QString one = fixturePdf("Dongguan.pdf");
    const QString three = fixturePdf("refcard-a4.pdf");
    m_openFiles.queuePick({three, one});

    actions().AddFileAct->execute();

    ASSERT_EQ(m_openFiles.calls().size(), 1);
    EXPECT_EQ(m_openFiles.calls()[0].title, "Select PDF File");
    EXPECT_EQ(m_openFiles.calls()[0].filter, "Text files (*.pdf)");
    EXPECT_EQ(rowTexts(), (QStringList{"x|refcard-a4.pdf|Auto Play Format|1-3", "x|Dongguan.pdf|Auto Play Format|1-1"}));
    ASSERT_EQ(ItemList.size(), 2u);
    EXPECT_EQ(list().record(0), ItemList[0]);
    EXPECT_EQ(ItemList[0]->path, three);
    EXPECT_EQ(ItemList[0]->pageCount, 3);
    EXPECT_EQ(ItemList[0]->pageRange, "1-3");
    EXPECT_FALSE(list().isHidden());
    EXPECT_TRUE(window().FaceImage()->isHidden());
    EXPECT_FALSE(window().preview()->PanelPreview()->isHidden());
    EXPECT_TRUE(m_messages.calls().isEmpty());
    EXPECT_TRUE(window().findChildren<TAddFileTipForm*>().isEmpty()) << "the dialog goes once its work is taken";
}

TEST_F(MainWindow, AddFileCancelledShowsNoDialog)
{
    actions().AddFileAct->execute();
    EXPECT_TRUE(m_dialogs.runs.isEmpty());
    EXPECT_TRUE(emptyStateShown());
}

TEST_F(MainWindow, FileAlreadyListedIsReportedAndNotAddedWhileOtherCaseIsNew)
{
    const QString upper = copyOf("TeXoutline.pdf", "Doc.pdf");
    const QString lower = copyOf("TeXoutline.pdf", "doc.pdf");
    window().AddFiles({upper}, ReportFailures::Yes);

    // From a folder too, although open failures are not reported there.
    window().AddFolder(m_root.path());

    EXPECT_EQ(m_messages.texts(), QStringList{"File '" + upper + "' is in the list already."});
    EXPECT_EQ(m_messages.calls()[0].caption, "Test Converter");
    ASSERT_EQ(ItemList.size(), 2u);
    EXPECT_EQ(ItemList[0]->path, upper);
    EXPECT_EQ(ItemList[1]->path, lower);
}

TEST_F(MainWindow, OpenFailuresAreReportedOnlyForChosenFiles)
{
    // A PDF whose page tree is empty: it opens and has no page.
    const QString noPages = writeFile("pdfs/nopages.pdf",
                                      "%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n"
                                      "2 0 obj << /Type /Pages /Kids [] /Count 0 >> endobj\n"
                                      "trailer << /Root 1 0 R >>\n%%EOF\n");
    const QString garbage = writeFile("pdfs/garbage.pdf", "this is not a PDF document");

    window().AddFolder(m_root.path() + "/pdfs");
    EXPECT_EQ(m_dialogs.runs.size(), 1);
    EXPECT_TRUE(m_messages.calls().isEmpty());

    window().AddFiles({noPages, garbage}, ReportFailures::Yes);
    EXPECT_EQ(m_messages.texts(), QStringList{"Fail to open file '" + garbage + "'."});
    EXPECT_TRUE(ItemList.empty());
    EXPECT_TRUE(emptyStateShown());
}

TEST_F(MainWindow, EmptyPathEndsTheRun)
{
    window().AddFiles({fixturePdf("Dongguan.pdf"), QString(), fixturePdf("TeXoutline.pdf")}, ReportFailures::Yes);
    EXPECT_EQ(rowTexts(), QStringList{"x|Dongguan.pdf|Auto Play Format|1-1"});
}

TEST_F(MainWindow, CancelConfirmedMidRunAddsNothingAndNoLetsItFinish)
{
    ScriptedPdfEngine engine;
    ScopedPdfEngine installer(engine);
    engine.setDefaultPageCount(4);
    struct Case {
        MessageAnswer answer;
        int rows;
    };
    for (const Case c : {Case{MessageAnswer::Yes, 0}, Case{MessageAnswer::No, 3}}) {
        engine.holdOpens();
        // Cancel is pressed while the second file is being opened.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            auto* dialog = qobject_cast<TAddFileTipForm*>(QApplication::activeModalWidget());
            if (!dialog || engine.waitingOpens() == 0)
                return;
            poll.stop();
            m_messages.queueAnswer(c.answer);
            dialog->btnCancelClick();
            engine.releaseOpens();
        });
        poll.start(2);

        window().AddFiles({"/x/1.pdf", "/x/2.pdf", "/x/3.pdf"}, ReportFailures::Yes);

        EXPECT_EQ(list().rowCount(), c.rows);
        EXPECT_EQ(static_cast<int>(ItemList.size()), c.rows);
        window().actions().ClearAllAct->execute();
    }
}

TEST_F(MainWindow, DropOfFileFolderFileShowsThreeDialogsInThatOrder)
{
    const QString a = copyOf("Dongguan.pdf", "a.pdf");
    const QString inFolder = copyOf("refcard-a4.pdf", "folder/inner.pdf");
    const QString b = copyOf("TeXoutline.pdf", "b.pdf");
    QDir().mkpath(m_root.path() + "/subonly/looks.pdf");

    window().DropPaths({a, m_root.path() + "/folder", b, m_root.path() + "/subonly"});

    EXPECT_EQ(m_dialogs.runs, (QList<QStringList>{{a}, {inFolder}, {b}}));
    EXPECT_EQ(rowTexts(), (QStringList{"x|a.pdf|Auto Play Format|1-1", "x|inner.pdf|Auto Play Format|1-3",
                                       "x|b.pdf|Auto Play Format|1-1"}));
}

TEST_F(MainWindow, AddFolderAsksForTheFolderAndSkipsSubfolders)
{
    QDir().mkpath(m_root.path() + "/subonly/looks.pdf");
    m_folders.queuePick(m_root.path() + "/subonly");

    actions().AddFolderAct->execute();

    ASSERT_EQ(m_folders.calls().size(), 1);
    EXPECT_EQ(m_folders.calls()[0].title, "Please Select PDF Folder");
    EXPECT_TRUE(m_dialogs.runs.isEmpty());
}

class MainWindowWithRows : public MainWindow {
protected:
    void SetUp() override
    {
        window().AddFiles({fixturePdf("Dongguan.pdf"), fixturePdf("refcard-a4.pdf"), fixturePdf("TeXoutline.pdf")},
                          ReportFailures::Yes);
        ASSERT_EQ(list().rowCount(), 3);
    }
    void selectOnly(int row)
    {
        list().clearSelection();
        list().setFocusedRow(row);
        list().setRowSelected(row, true);
    }
};

TEST_F(MainWindowWithRows, DeleteOfTheLastRowSelectsTheRowBefore)
{
    selectOnly(2);
    actions().DeleteAct->execute();

    EXPECT_EQ(list().rowCount(), 2);
    EXPECT_EQ(list().focusedRow(), 1);
    EXPECT_TRUE(list().isRowSelected(1));
    EXPECT_EQ(window().FocusedRecord(), ItemList[1]);
    EXPECT_EQ(ItemList[1]->name, "refcard-a4.pdf");

    selectOnly(0);
    actions().DeleteAct->execute();
    EXPECT_EQ(list().focusedRow(), 0) << "the next row takes over when there is one";
    EXPECT_EQ(window().FocusedRecord()->name, "refcard-a4.pdf");
}

TEST_F(MainWindowWithRows, DeleteWithSeveralRowsSelectedDeletesNothing)
{
    list().setFocusedRow(0);
    list().selectAllRows();
    actions().DeleteAct->execute();
    EXPECT_EQ(list().rowCount(), 3);
    EXPECT_EQ(ItemList.size(), 3u);
}

TEST_F(MainWindowWithRows, DeletingTheOnlyRowBringsTheEmptyStateBack)
{
    for (int row : {2, 1})
        selectOnly(row), actions().DeleteAct->execute();
    window().options()->edtPages()->setText("1-3");
    selectOnly(0);

    actions().DeleteAct->execute();

    EXPECT_TRUE(ItemList.empty());
    EXPECT_TRUE(window().options()->edtPages()->text().isEmpty());
    EXPECT_TRUE(emptyStateShown());
    EXPECT_FALSE(enabled(actions().DeleteAct));
}

TEST_F(MainWindowWithRows, CheckAllAndUncheckAllFollowTheCheckBoxes)
{
    const MainWindowActions& a = actions();
    EXPECT_FALSE(enabled(a.CheckAllAct)) << "every row is checked";
    EXPECT_TRUE(enabled(a.UncheckAllAct));

    list().setRowChecked(1, false);
    EXPECT_TRUE(enabled(a.CheckAllAct));
    EXPECT_TRUE(enabled(a.ConvertAct));

    a.UncheckAllAct->execute();
    EXPECT_EQ(window().CheckedCount(), 0);
    EXPECT_FALSE(enabled(a.UncheckAllAct));
    EXPECT_FALSE(enabled(a.ConvertAct));
    EXPECT_TRUE(enabled(a.CheckAllAct));

    a.CheckAllAct->execute();
    EXPECT_EQ(window().CheckedCount(), 3);

    a.SelAllAct->execute();
    EXPECT_EQ(list().selectedRowCount(), 3);
}

TEST_F(MainWindowWithRows, ClearAllAndClosingEmptyListAndRecords)
{
    actions().ClearAllAct->execute();
    EXPECT_TRUE(ItemList.empty());
    EXPECT_TRUE(emptyStateShown());

    window().AddFiles({fixturePdf("Dongguan.pdf")}, ReportFailures::Yes);
    ASSERT_EQ(ItemList.size(), 1u);
    window().close();
    EXPECT_TRUE(ItemList.empty());
    EXPECT_EQ(list().rowCount(), 0);
}

TEST_F(MainWindow, HelpSupportAndHomePageOpenTheirTargets)
{
    actions().HelpContentAct->execute();
    actions().SupportAct->execute();
    actions().HomePageAct->execute();
    actions().OpenAct->execute();
    EXPECT_EQ(m_shell.opened(), (QStringList{m_context.ResourceDir + "help.html", m_context.SupportLink,
                                             m_context.HomePageLink, window().options()->edtOutputFolder()->text()}));
}

TEST_F(MainWindow, HelpPageIsStagedInTheResourceFolder)
{
    const QString staged = qEnvironmentVariable("PP_STAGE_DIR") + "/sys/soft/";
    const QStringList titles = QDir(staged).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(titles.size(), 1);
    QFile help(staged + titles[0] + "/help.html");
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    EXPECT_TRUE(help.readAll().contains("Add Folder"));
}

TEST_F(MainWindow, MenusListTheirItemsInOrder)
{
    auto texts = [](const QMenu* menu) {
        QStringList items;
        for (const QAction* item : menu->actions())
            items.append(item->isSeparator() ? "-" : item->text());
        return items;
    };
    EXPECT_EQ(window().fileMenu()->title(), "   File   ");
    EXPECT_EQ(texts(window().fileMenu()),
              (QStringList{"Add File", "Add Folder", "-", "Delete", "Clear All", "-", "Exit"}));
    EXPECT_EQ(window().helpMenu()->title(), "   Help   ");
    EXPECT_EQ(texts(window().helpMenu()),
              (QStringList{"Help Content", "Support", "-", "Home Page", "-", "About"}));
    EXPECT_EQ(texts(window().TntPopupMenu1()),
              (QStringList{"Add File", "Add Folder", "-", "Delete", "Clear All", "-", "Check All", "Uncheck All",
                           "-", "Select All"}));

    // An item with its own caption follows its action's enabled state and runs it.
    QAction* deleteItem = window().fileMenu()->actions()[3];
    QAction* addFileItem = window().fileMenu()->actions()[0];
    EXPECT_FALSE(enabled(actions().DeleteAct) || deleteItem->isEnabled());
    addFileItem->trigger();
    EXPECT_EQ(m_openFiles.calls().size(), 1);
}

} // namespace

namespace {

// Counts paints of one widget.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

TEST_F(MainWindow, LargeFolderKeepsTheDialogPaintingAndAnsweringCancel)
{
    constexpr int copies = 500;
    const QString folder = m_root.path() + "/many";
    QDir().mkpath(folder);
    for (int i = 1; i <= copies; ++i)
        ASSERT_TRUE(QFile::link(fixturePdf("refcard-a4.pdf"), folder + QString("/copy-%1.pdf").arg(i, 3, 10, QChar('0'))));

    PaintCounter paints;
    QStringList statusSeen;
    int lastFileSeen = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto* dialog = qobject_cast<TAddFileTipForm*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (statusSeen.isEmpty())
            dialog->lblInfo()->installEventFilter(&paints);
        const QString status = dialog->lblInfo()->text();
        if (statusSeen.isEmpty() || statusSeen.back() != status)
            statusSeen.append(status);
        lastFileSeen = status.mid(status.lastIndexOf("copy-") + 5, 3).toInt();
        // The user cancels once the run is well under way.
        if (lastFileSeen >= 50) {
            poll.stop();
            m_messages.queueAnswer(MessageAnswer::Yes);
            dialog->btnCancelClick();
        }
    });
    poll.start(1);

    window().AddFolder(folder);

    EXPECT_GE(lastFileSeen, 50);
    EXPECT_LT(lastFileSeen, copies) << "Cancel was answered while files were still being added";
    EXPECT_GT(statusSeen.size(), 2) << "the status line changed while the timer kept running";
    EXPECT_GT(paints.paints, 10);
    EXPECT_TRUE(ItemList.empty());
    EXPECT_EQ(m_messages.texts(), QStringList{"Are you sure to stop adding files."});
}

} // namespace
