// The process-wide record list: creation defaults, removal, clearing, and the engine handles
// they close.

#include "pagepress/documents/itemlist.h"
#include "pagepress/documents/outputtype.h"
#include "pagepress/documents/testing/scriptedpdfengine.h"

#include <gtest/gtest.h>

namespace {

class ItemListTest : public testing::Test {
protected:
    void TearDown() override { ClearItemInfos(); }

    ScriptedPdfEngine m_engine;
    ScopedPdfEngine m_install{m_engine};
};

TEST_F(ItemListTest, NewRecordHasTheDefaultsAndIsAppended)
{
    TItemInfo *first = NewItemInfo();
    TItemInfo *second = NewItemInfo();
    ASSERT_EQ(ItemList, (std::vector<TItemInfo *>{first, second}));

    EXPECT_EQ(second->name, QString());
    EXPECT_EQ(second->frameRate, QStringLiteral("2"));
    EXPECT_EQ(second->pageRange, QString());
    EXPECT_EQ(second->zoom, QStringLiteral("72"));
    EXPECT_EQ(second->docHandle, 0);
    EXPECT_EQ(second->pageCount, 0);
    EXPECT_EQ(second->outputType, 0);
    EXPECT_EQ(second->resolution, 72);
    EXPECT_EQ(second->pageMode, 0);
    EXPECT_EQ(second->currentPage, 1);
    EXPECT_EQ(second->path, QString());
    EXPECT_EQ(second->checked, 0);
}

TEST_F(ItemListTest, RemovingAMiddleRecordKeepsTheOthersInOrder)
{
    TItemInfo *a = NewItemInfo();
    TItemInfo *b = NewItemInfo();
    TItemInfo *c = NewItemInfo();
    a->path = "a.pdf";
    c->path = "c.pdf";
    b->docHandle = 0;

    RemoveItemInfo(b);
    EXPECT_EQ(ItemList, (std::vector<TItemInfo *>{a, c}));
    EXPECT_EQ(a->path, QStringLiteral("a.pdf"));
    EXPECT_EQ(c->path, QStringLiteral("c.pdf"));
    EXPECT_EQ(m_engine.closedHandles(), std::vector<int32_t>{0});

    RemoveItemInfo(a);
    RemoveItemInfo(c);
    EXPECT_TRUE(ItemList.empty());
}

TEST_F(ItemListTest, RemovingAHeldDocumentClosesItsHandle)
{
    TItemInfo *record = NewItemInfo();
    record->docHandle = m_engine.open("held.pdf");
    ASSERT_EQ(m_engine.openDocuments(), 1);
    RemoveItemInfo(record);
    EXPECT_EQ(m_engine.openDocuments(), 0);
}

// A record outside the list (for example a copy the adding dialog handed over) is not the
// list's to free: removing it must leave the list and the record alone.
TEST_F(ItemListTest, RemovingARecordThatIsNotListedDoesNothing)
{
    TItemInfo *listed = NewItemInfo();
    TItemInfo outside = *listed;
    outside.docHandle = 7;
    RemoveItemInfo(&outside);
    RemoveItemInfo(nullptr);
    EXPECT_EQ(ItemList, std::vector<TItemInfo *>{listed});
    EXPECT_EQ(m_engine.closeCalls(), 0);
}

TEST_F(ItemListTest, ClearingClosesEveryHandleAndEmptiesTheList)
{
    for (int i = 0; i < 3; ++i)
        NewItemInfo();
    ItemList[1]->docHandle = m_engine.open("second.pdf");
    const int32_t held = ItemList[1]->docHandle;

    ClearItemInfos();
    EXPECT_TRUE(ItemList.empty());
    EXPECT_EQ(m_engine.closedHandles(), (std::vector<int32_t>{0, held, 0}));
    EXPECT_EQ(m_engine.openDocuments(), 0);

    ClearItemInfos();
    EXPECT_EQ(m_engine.closeCalls(), 3) << "clearing an empty list closed something";
}

TEST(OutputTypeName, NamesTheThreeTypesAndNothingElse)
{
    const struct {
        int32_t index;
        const char *name;
    } cases[] = {
        {0, "Auto Play Format"}, {1, "Simpleviewer Format"}, {2, "Rfxview Format"},
        {3, ""}, {-1, ""}, {2147483647, ""}, {-2147483647 - 1, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(OutputTypeName(c.index), QString::fromLatin1(c.name)) << c.index;
    EXPECT_EQ(OutputTypeName(RfxViewOutput), QStringLiteral("Rfxview Format"));
}

} // namespace
