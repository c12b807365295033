// The options panel driven through the real window: typing into its edits, choosing output
// types and page modes, Browse and the checks of Convert.

#include "windowfixture.h"

#include "pagepress/conversion/tconvertform1.h"
#include "pagepress/documents/testing/scriptedpdfengine.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

using uikit::MessageAnswer;

class OptionsPanelTest : public WindowTest {
protected:
    void SetUp() override
    {
        m_engine.setPageCount("/docs/ten.pdf", 10);
        m_engine.setPageCount("/docs/three.pdf", 3);
        m_engine.setPageCount("/docs/five.pdf", 5);
        window().AddFiles({"/docs/ten.pdf", "/docs/three.pdf", "/docs/five.pdf"}, ReportFailures::Yes);
        ASSERT_EQ(list().rowCount(), 3);
        window().show();
        selectOnly(0);
    }

    // Replaces the edit's text by typing, one key at a time, as the user does.
    void type(QLineEdit* edit, const QString& keys)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, keys);
    }
    QString pagesColumn(int row) { return list().cellText(row, FileListView::PagesColumn); }
    QString typeColumn(int row) { return list().cellText(row, FileListView::TypeColumn); }
    void chooseType(int index)
    {
        options().cboOutputType()->setCurrentIndex(index);
        emit options().cboOutputType()->activated(index);
    }

    ScriptedPdfEngine m_engine;
    ScopedPdfEngine m_installEngine{m_engine};
};

TEST_F(OptionsPanelTest, NumberEditsWarnAboveTheBoundOrOnALetterAndReset)
{
    struct Case {
        QLineEdit* (OptionsPanel::*edit)() const;
        const char* keys;
        int warnings;
        const char* shown;
        bool pasted = false;          // the whole text at once rather than key by key
        const char* stored = nullptr; // in the record, when not the text shown
    };
    const char* const dpiWarning = "Please input number between 20 and 600";
    const char* const speedWarning = "Please input number between 1 and 35";
    const Case cases[] = {
        {&OptionsPanel::edtResolution, "150", 0, "150"},
        {&OptionsPanel::edtResolution, "700", 1, "72"},
        {&OptionsPanel::edtResolution, "5a", 1, "72"},
        {&OptionsPanel::edtResolution, "99999999999", 1, "72", true},
        {&OptionsPanel::edtFramerate, "12", 0, "12"},
        {&OptionsPanel::edtFramerate, "36", 1, "2"},
        {&OptionsPanel::edtFramerate, "1x", 1, "2"},
        {&OptionsPanel::edtFramerate, "0", 0, "0"},
        {&OptionsPanel::edtFramerate, "00000000000000000000034", 0, "00000000000000000000034", true, "34"},
    };
    for (const Case& c : cases) {
        m_messages.clear();
        QLineEdit* edit = (options().*c.edit)();
        if (c.pasted)
            edit->setText(QString::fromLatin1(c.keys));
        else
            type(edit, QString::fromLatin1(c.keys));
        SCOPED_TRACE(c.keys);
        EXPECT_EQ(edit->text(), c.shown);
        ASSERT_EQ(m_messages.calls().size(), c.warnings);
        if (c.warnings) {
            const bool dpi = c.edit == &OptionsPanel::edtResolution;
            EXPECT_EQ(m_messages.calls()[0].text, dpi ? dpiWarning : speedWarning);
            EXPECT_EQ(m_messages.calls()[0].caption, "warning");
            EXPECT_EQ(m_messages.calls()[0].buttons, uikit::MessageButtons::Ok);
        }
        // What the edit shows is what the focused record holds.
        const TItemInfo* record = ItemList[0];
        const QString stored = QString::fromLatin1(c.stored ? c.stored : c.shown);
        if (c.edit == &OptionsPanel::edtResolution) {
            EXPECT_EQ(record->resolution, stored.toInt());
            EXPECT_EQ(record->zoom, stored);
        } else {
            EXPECT_EQ(record->frameRate, stored);
        }
    }
}

TEST_F(OptionsPanelTest, ResolutionTypedDigitByDigitAndClearedKeepsTheRecord)
{
    QLineEdit* dpi = options().edtResolution();
    QStringList seen;
    QObject::connect(dpi, &QLineEdit::textChanged, dpi, [&] { seen.append(QString::number(ItemList[0]->resolution)); });
    type(dpi, "150");
    EXPECT_EQ(seen, (QStringList{"72", "1", "15", "150"})) << "cleared first, then each digit stored";
    EXPECT_TRUE(m_messages.calls().isEmpty());

    dpi->clear();
    EXPECT_EQ(ItemList[0]->resolution, 150);
    EXPECT_EQ(ItemList[0]->zoom, "150");

    // Nothing is stored without a focused row.
    list().clearSelection();
    list().setCurrentItem(nullptr);
    type(dpi, "300");
    EXPECT_EQ(ItemList[0]->resolution, 150);
}

TEST_F(OptionsPanelTest, PageRangeTypingNormalisesFinishedPieces)
{
    ASSERT_TRUE(run(actions().PageRangeAct));
    QLineEdit* pages = options().edtPages();
    EXPECT_TRUE(pages->isEnabled());
    EXPECT_TRUE(options().rbPages()->isChecked());
    struct Case {
        const char* keys;
        const char* stored;
    };
    const Case cases[] = {{"1-3,5", "1-3,5"}, {"abc,", ","}, {"8-20,", "8-10,"}, {"2,,9", "2,9"}};
    for (const Case& c : cases) {
        type(pages, QString::fromLatin1(c.keys));
        EXPECT_EQ(ItemList[0]->pageRange, c.stored) << c.keys;
        EXPECT_EQ(pages->text(), c.stored) << c.keys;
        EXPECT_EQ(pages->cursorPosition(), pages->text().size()) << c.keys;
        EXPECT_EQ(pagesColumn(0), c.stored) << c.keys;
    }
    EXPECT_TRUE(m_messages.calls().isEmpty());
}

TEST_F(OptionsPanelTest, PageModesSwitchTheColumnAndTheEdit)
{
    ASSERT_TRUE(run(actions().PageRangeAct));
    type(options().edtPages(), "2-4");
    ASSERT_TRUE(run(actions().AllPageAct));
    EXPECT_TRUE(options().rbAllPages()->isChecked());
    EXPECT_EQ(pagesColumn(0), "1-10");
    EXPECT_EQ(options().edtPages()->text(), "1-10");
    EXPECT_FALSE(options().edtPages()->isEnabled());

    ASSERT_TRUE(run(actions().CurrentPageAct));
    EXPECT_EQ(pagesColumn(0), "0") << "no page is previewed yet";
    EXPECT_TRUE(options().rbAllPages()->isChecked()) << "the current-page mode has no button";

    ASSERT_TRUE(run(actions().PageRangeAct));
    EXPECT_EQ(pagesColumn(0), "2-4") << "the typed range is still there";

    list().clearSelection();
    list().setCurrentItem(nullptr);
    for (uikit::Action* mode : {actions().AllPageAct, actions().PageRangeAct, actions().CurrentPageAct})
        EXPECT_FALSE(enabled(mode));
}

TEST_F(OptionsPanelTest, OutputTypeGoesToEverySelectedRowAndSetsThePlaySpeedEdit)
{
    list().selectAllRows();
    chooseType(2);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(typeColumn(row), "Rfxview Format");
        EXPECT_EQ(ItemList[row]->outputType, 2);
    }
    EXPECT_FALSE(options().edtFramerate()->isEnabled());
    chooseType(0);
    EXPECT_TRUE(options().edtFramerate()->isEnabled());
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(typeColumn(row), "Auto Play Format");

    // A row joining the selection brings its own type to the others.
    selectOnly(1);
    chooseType(1);
    selectOnly(0);
    list().setFocusedRow(1);
    list().setRowSelected(1, true);
    EXPECT_EQ(typeColumn(0), "Simpleviewer Format");
    EXPECT_EQ(ItemList[0]->outputType, 1);
    EXPECT_EQ(typeColumn(2), "Auto Play Format") << "not selected";
}

TEST_F(OptionsPanelTest, SelectingShowsTheRowsOptionsWithoutChangingTheFocusedRecord)
{
    type(options().edtResolution(), "150");
    type(options().edtFramerate(), "9");
    selectOnly(1);
    EXPECT_EQ(options().edtResolution()->text(), "72");
    EXPECT_EQ(options().edtFramerate()->text(), "2");
    selectOnly(0);
    EXPECT_EQ(options().edtResolution()->text(), "150");
    EXPECT_EQ(options().edtFramerate()->text(), "9");

    // Select All walks the rows in order; the focused first row keeps its own values.
    list().selectAllRows();
    EXPECT_EQ(ItemList[0]->resolution, 150);
    EXPECT_EQ(ItemList[0]->frameRate, "9");
    EXPECT_EQ(ItemList[2]->resolution, 72);
}

TEST_F(OptionsPanelTest, BrowseSetsTheFolderOnlyWhenChosen)
{
    const QString before = options().edtOutputFolder()->text();
    actions().BrowseAct->execute();
    EXPECT_EQ(options().edtOutputFolder()->text(), before);
    m_folders.queuePick(m_root.path() + "/elsewhere");
    actions().BrowseAct->execute();
    ASSERT_EQ(m_folders.calls().size(), 2);
    EXPECT_EQ(m_folders.calls()[1].title, "Please Select Output Folder");
    EXPECT_EQ(options().edtOutputFolder()->text(), m_root.path() + "/elsewhere");
    EXPECT_FALSE(QFileInfo::exists(m_root.path() + "/elsewhere")) << "Browse creates nothing";
}

TEST_F(OptionsPanelTest, ConvertWithAnInvalidRangeReportsItAndOpensNoDialog)
{
    ShownForms<TConvertForm1> dialogs;
    ASSERT_TRUE(run(actions().PageRangeAct));
    type(options().edtPages(), "abc");

    ASSERT_TRUE(run(actions().ConvertAct));

    ASSERT_EQ(m_messages.calls().size(), 1);
    EXPECT_EQ(m_messages.calls()[0].text, "'abc' is not a valid page range.");
    EXPECT_EQ(m_messages.calls()[0].caption, "Test Converter");
    EXPECT_EQ(m_messages.calls()[0].icon, uikit::MessageIcon::Information);
    EXPECT_EQ(pagesColumn(0), "");
    EXPECT_EQ(ItemList[0]->pageRange, "");
    EXPECT_TRUE(dialogs.seen.isEmpty());
}

// The conversion dialog is opened and answered without running a conversion: the scripted
// engine's paths are not files, and the folder holds no converter tool.
class ConvertTest : public OptionsPanelTest {
protected:
    void SetUp() override
    {
        OptionsPanelTest::SetUp();
        m_dialogs.onShow = [this](TConvertForm1& dialog) {
            folders.append(dialog.thread().OutputFolder);
            checked.clear();
            for (const TItemInfo* record : ItemList)
                checked.append(record->checked);
            previewOpenWhileConverting = window().previewDocument() != 0;
        };
    }
    ShownForms<TConvertForm1> m_dialogs;
    QStringList folders;
    QList<int> checked;
    bool previewOpenWhileConverting = true;
};

TEST_F(ConvertTest, ConvertAppliesTheFocusedOptionsCopiesTheChecksAndClosesThePreview)
{
    type(options().edtFramerate(), "0");
    list().setRowChecked(1, false);
    ASSERT_TRUE(run(actions().NextPageAct));
    ASSERT_GT(window().previewDocument(), 0);

    ASSERT_TRUE(run(actions().ConvertAct));

    ASSERT_EQ(m_dialogs.seen.size(), 1);
    EXPECT_EQ(folders, QStringList{options().edtOutputFolder()->text()});
    EXPECT_EQ(checked, (QList<int>{1, 0, 1}));
    EXPECT_FALSE(previewOpenWhileConverting);
    EXPECT_EQ(ItemList[0]->frameRate, "2") << "a play speed of 0 is refused";
    EXPECT_EQ(options().edtFramerate()->text(), "2");
    EXPECT_TRUE(m_messages.texts().contains("Conversion is completed. Open the swf folder?"));
    EXPECT_EQ(preview().lblCurPage()->text(), "0") << "the closed document shows no page any more";
    EXPECT_FALSE(preview().lblPreviewTip()->isHidden());
}

TEST_F(ConvertTest, EmptyOutputFolderAsksForOneAndCreatesIt)
{
    options().edtOutputFolder()->clear();
    ASSERT_TRUE(run(actions().ConvertAct));
    EXPECT_TRUE(m_dialogs.seen.isEmpty()) << "no folder chosen, nothing converted";
    ASSERT_EQ(m_folders.calls().size(), 1);
    EXPECT_EQ(m_folders.calls()[0].title, "Please Select Output Folder");

    const QString chosen = m_root.path() + "/new/out";
    m_folders.queuePick(chosen);
    ASSERT_TRUE(run(actions().ConvertAct));
    EXPECT_EQ(folders, QStringList{chosen});
    EXPECT_TRUE(QFileInfo(chosen).isDir());
    EXPECT_EQ(options().edtOutputFolder()->text(), chosen);
}

TEST_F(ConvertTest, FolderThatCannotBeCreatedIsReported)
{
    // A plain file stands where the folder should be.
    QFile blocker(m_root.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    m_folders.queuePick(m_root.path() + "/file/out");
    actions().BrowseAct->execute();

    ASSERT_TRUE(run(actions().ConvertAct));

    EXPECT_TRUE(m_dialogs.seen.isEmpty());
    EXPECT_EQ(m_messages.texts(), QStringList{"Cannot create the output folder '" + m_root.path() + "/file/out'."});
}

TEST_F(ConvertTest, MissingProgressPictureIsReportedInsteadOfConverting)
{
    QFile::remove(m_context.ResourceDir + "Skins/progress.bmp");
    ASSERT_TRUE(run(actions().ConvertAct));
    EXPECT_TRUE(m_dialogs.seen.isEmpty());
    ASSERT_EQ(m_messages.calls().size(), 1);
    EXPECT_TRUE(m_messages.calls()[0].text.contains("progress.bmp")) << m_messages.calls()[0].text.toStdString();
}

} // namespace
