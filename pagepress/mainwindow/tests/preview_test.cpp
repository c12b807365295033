// The page preview through the real window: paging, selection changes, the current-page
// mode, documents that no longer open, and drawing on every paint.

#include "windowfixture.h"

#include "pagepress/documents/testing/scriptedpdfengine.h"

#include <QLabel>
#include <QLineEdit>

namespace {

class PreviewTest : public WindowTest {
protected:
    void SetUp() override
    {
        m_engine.setPageCount("/docs/three.pdf", 3);
        m_engine.setPageCount("/docs/other.pdf", 5);
        window().AddFiles({"/docs/three.pdf", "/docs/other.pdf"}, ReportFailures::Yes);
        ASSERT_EQ(list().rowCount(), 2);
        window().show();
        m_addingOpens = m_engine.openCalls();
    }

    // Pages drawn from an open document since the last call.
    std::vector<int> drawnPages()
    {
        std::vector<int> pages;
        const auto renders = m_engine.renders();
        for (std::size_t i = m_rendersSeen; i < renders.size(); ++i) {
            if (renders[i].handle > 0 && renders[i].page > 0) {
                EXPECT_EQ(renders[i].width, 168);
                EXPECT_EQ(renders[i].height, 194);
                pages.push_back(renders[i].page);
            }
        }
        m_rendersSeen = renders.size();
        return pages;
    }
    QString curPage() { return preview().lblCurPage()->text(); }
    bool tipShown() { return !preview().lblPreviewTip()->isHidden(); }

    ScriptedPdfEngine m_engine;
    ScopedPdfEngine m_installEngine{m_engine};
    std::size_t m_rendersSeen = 0;
    int m_addingOpens = 0; // the adding thread opened each file to count its pages
};

TEST_F(PreviewTest, PagingThroughAThreePageDocument)
{
    selectOnly(0);
    EXPECT_EQ(curPage(), "0");
    EXPECT_EQ(preview().lblTotal()->text(), "3");
    EXPECT_TRUE(tipShown());
    EXPECT_FALSE(enabled(actions().PrevPageAct));
    EXPECT_TRUE(enabled(actions().NextPageAct));
    EXPECT_EQ(m_engine.openCalls(), m_addingOpens) << "the document opens at the first Next only";

    for (int page = 1; page <= 3; ++page) {
        ASSERT_TRUE(run(actions().NextPageAct));
        EXPECT_EQ(curPage(), QString::number(page));
        EXPECT_EQ(drawnPages(), std::vector<int>{page});
        EXPECT_FALSE(tipShown());
    }
    EXPECT_FALSE(enabled(actions().NextPageAct));
    EXPECT_FALSE(run(actions().NextPageAct));
    EXPECT_EQ(m_engine.openCalls(), m_addingOpens + 1) << "paging costs a render, not an open";

    for (int page : {2, 1}) {
        ASSERT_TRUE(run(actions().PrevPageAct));
        EXPECT_EQ(curPage(), QString::number(page));
        EXPECT_EQ(drawnPages(), std::vector<int>{page});
    }
    EXPECT_FALSE(enabled(actions().PrevPageAct));
    EXPECT_EQ(list().cellText(0, FileListView::PagesColumn), "1-3") << "all pages mode lists all pages";
}

TEST_F(PreviewTest, EveryPaintDrawsThePageAgain)
{
    selectOnly(0);
    run(actions().NextPageAct);
    drawnPages();
    preview().PanelPreview()->repaint();
    preview().PanelPreview()->repaint();
    EXPECT_EQ(drawnPages(), (std::vector<int>{1, 1}));

    // The panel shows what the engine drew over the window colour.
    const QImage shown = preview().PanelPreview()->grab().toImage();
    EXPECT_EQ(shown.pixel(84, 30), ScriptedPdfEngine::pageColour);
}

TEST_F(PreviewTest, SelectionChangeClosesTheDocumentAndStartsOver)
{
    selectOnly(0);
    run(actions().NextPageAct);
    run(actions().NextPageAct);
    ASSERT_EQ(m_engine.openDocuments(), 1);

    selectOnly(1);
    EXPECT_EQ(m_engine.openDocuments(), 0);
    EXPECT_EQ(window().previewDocument(), 0);
    EXPECT_EQ(preview().lblTotal()->text(), "5");
    selectOnly(0);
    EXPECT_EQ(curPage(), "0");
    EXPECT_TRUE(tipShown());
    EXPECT_EQ(ItemList[0]->currentPage, 0);

    // Deselecting alone closes it too.
    run(actions().NextPageAct);
    ASSERT_EQ(m_engine.openDocuments(), 1);
    list().setRowSelected(0, false);
    EXPECT_EQ(m_engine.openDocuments(), 0);
}

TEST_F(PreviewTest, CurrentPageModeKeepsThePageAcrossReselection)
{
    selectOnly(0);
    ASSERT_TRUE(run(actions().CurrentPageAct));
    run(actions().NextPageAct);
    run(actions().NextPageAct);
    EXPECT_EQ(list().cellText(0, FileListView::PagesColumn), "2");
    EXPECT_EQ(options().edtPages()->text(), "2");
    drawnPages();

    selectOnly(1);
    selectOnly(0);
    EXPECT_EQ(curPage(), "2");
    EXPECT_FALSE(tipShown());
    EXPECT_EQ(list().cellText(0, FileListView::PagesColumn), "2");
    EXPECT_TRUE(drawnPages().empty()) << "the panel stays blank until the user pages again";

    run(actions().NextPageAct);
    EXPECT_EQ(curPage(), "3");
    EXPECT_EQ(drawnPages(), std::vector<int>{3});
    EXPECT_EQ(list().cellText(0, FileListView::PagesColumn), "3");
}

TEST_F(PreviewTest, DocumentRemovedFromDiskShowsTheTipAgain)
{
    // A real file that goes away after it was added.
    window().actions().ClearAllAct->execute();
    setPdfEngine(nullptr); // the rasterpdf engine until the fixture puts its own back
    const QString copy = m_root.path() + "/gone.pdf";
    ASSERT_TRUE(QFile::copy(fixturePdf("refcard-a4.pdf"), copy));
    window().AddFiles({copy}, ReportFailures::Yes);
    ASSERT_EQ(list().rowCount(), 1);
    selectOnly(0);
    ASSERT_TRUE(QFile::remove(copy));

    ASSERT_TRUE(run(actions().NextPageAct));

    EXPECT_EQ(window().previewDocument(), 0);
    EXPECT_EQ(curPage(), "0");
    EXPECT_TRUE(tipShown());
    EXPECT_TRUE(m_messages.calls().isEmpty()) << "no message for a document that does not open";
    EXPECT_TRUE(enabled(actions().NextPageAct));
}

TEST_F(PreviewTest, RealEngineDrawsThePageIntoThePanel)
{
    window().actions().ClearAllAct->execute();
    setPdfEngine(nullptr); // the rasterpdf engine until the fixture puts its own back
    window().AddFiles({fixturePdf("refcard-a4.pdf")}, ReportFailures::Yes);
    selectOnly(0);
    const QImage blank = preview().PanelPreview()->grab().toImage();
    ASSERT_TRUE(run(actions().NextPageAct));
    const QImage page = preview().PanelPreview()->grab().toImage();
    ASSERT_EQ(page.size(), QSize(168, 194));
    EXPECT_NE(page, blank);
    // A page has ink somewhere: not every pixel is the same.
    bool ink = false;
    for (int y = 0; y < page.height() && !ink; ++y)
        for (int x = 0; x < page.width() && !ink; ++x)
            ink = page.pixel(x, y) != page.pixel(0, 0);
    EXPECT_TRUE(ink);
}

} // namespace
