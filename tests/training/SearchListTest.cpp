#include "training/SearchList.h"

#include "training/MListView.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <gtest/gtest.h>

namespace {
SearchList& filled(SearchList& list, const std::vector<QStringList>& rows) {
    list.Model().SetHeaders({"id", "部门", "参加人员"});
    list.Model().BeginFill();
    for (const QStringList& row : rows) {
        list.Model().AppendRow(row);
    }
    list.Model().EndFill();
    return list;
}

TEST(SearchList, ItemApiReadsRowsByPositionAndRemovesByKey) {
    SearchList list;
    QAbstractItemModelTester tester(&list.Model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    filled(
        list,
        {{"7", "质量部", "张三、李四"}, {"12", "", "王五"}, {"30", QString("a") + QChar(0) + "b"}});
    ASSERT_EQ(list.ItemCount(), 3);
    EXPECT_EQ(list.ItemText(1), "12");
    EXPECT_EQ(list.ItemKey(1), "K12");
    EXPECT_EQ(list.SubItem(0, 2), "张三、李四");
    EXPECT_EQ(list.SubItem(1, 1), "");
    EXPECT_EQ(list.SubItem(2, 1), "a\uFFFDb");
    EXPECT_EQ(list.SubItem(2, 2), "") << "missing cells are empty";
    EXPECT_EQ(list.Model().data(list.Model().index(0, 1), Qt::DisplayRole).toString(), "质量部");
    list.SetSubItem(0, 1, "生产部");
    EXPECT_EQ(list.SubItem(0, 1), "生产部");
    EXPECT_EQ(list.SubItem(0, 2), "张三、李四");
    EXPECT_EQ(list.SelectedIndex(), -1);

    EXPECT_FALSE(list.RemoveByKey("K1"));
    EXPECT_FALSE(list.RemoveByKey("12"));
    EXPECT_TRUE(list.RemoveByKey("K12"));
    EXPECT_EQ(list.ItemCount(), 2);
    EXPECT_EQ(list.ItemText(1), "30");
    list.selectionModel()->select(list.Model().index(1, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(list.SelectedIndex(), 1);
    list.Model().Clear();
    EXPECT_EQ(list.ItemCount(), 0);
}

class ColumnWidths : public testing::Test {
protected:
    void SetUp() override {
        list.resize(600, 300);
        list.show();
    }
    int width(int column) { return list.header()->sectionSize(column); }
    SearchList list;
};

TEST_F(ColumnWidths, AutoSizeFitsHeaderOrWidestCellAndTheLastColumnFillsTheRest) {
    filled(list, {{"1", "质量部质量部质量部质量部", "张"}, {"2", "QA", "李"}});
    MListView::SetAllColumnWidths(list, MListView::LVSCW_AUTOSIZE_USEHEADER);
    const QFontMetrics fm(list.font());
    EXPECT_GE(width(0), list.header()->sectionSizeHint(0));
    EXPECT_GE(width(1), fm.horizontalAdvance("质量部质量部质量部质量部"));
    EXPECT_LT(width(1), fm.horizontalAdvance("质量部质量部质量部质量部") + 20);
    EXPECT_EQ(width(0) + width(1) + width(2), list.viewport()->width());

    MListView::SetColumnWidth(list, 2, 40);
    EXPECT_EQ(width(1), 40);
}

TEST_F(ColumnWidths, AnEmptyListSizesToTheHeaders) {
    filled(list, {});
    MListView::SetAllColumnWidths(list, MListView::LVSCW_AUTOSIZE_USEHEADER);
    for (int column : {0, 1}) {
        EXPECT_GE(width(column), list.header()->sectionSizeHint(column));
        EXPECT_LE(width(column), list.header()->sectionSizeHint(column) + 8);
    }
    EXPECT_EQ(width(0) + width(1) + width(2), list.viewport()->width());
}

TEST_F(ColumnWidths, OutOfRangeColumnsAndListsWithoutDetailsChangeNothing) {
    filled(list, {{"1", "质量部质量部质量部质量部", "张"}});
    for (int c = 0; c < 3; ++c) {
        list.header()->resizeSection(c, 33);
    }
    for (int column : {0, -1, 4}) {
        MListView::SetColumnWidth(list, column, MListView::LVSCW_AUTOSIZE_USEHEADER);
    }
    list.setHeaderHidden(true);
    MListView::SetAllColumnWidths(list, 80);
    list.setHeaderHidden(false);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(width(c), 33);
    }
    SearchList empty;
    MListView::SetAllColumnWidths(empty, MListView::LVSCW_AUTOSIZE_USEHEADER);
    EXPECT_EQ(empty.header()->count(), 0);
}
} // namespace
