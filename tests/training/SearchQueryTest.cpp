#include "training/SearchQuery.h"

#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "platform/ado/Connection.h"
#include "store/ModuleDataBase.h"

namespace {
using ui::Icon;

const QString kHead = "select * from 训练表 where (";

TEST(SingleColumnStatement, FollowsTheWorkedExample) {
    EXPECT_EQ(生成单栏目SQL("部门", "质量 生产", true),
              kHead + " 部门 like '%生产%'  and  部门 like '%质量%' ) ");
}

TEST(SingleColumnStatement, KeywordsSplitAtAsciiSpacesOnly) {
    struct Case {
        QString keywords;
        QString condition;
    };
    const std::vector<Case> cases = {
        {"a b c", " F like '%c%'  and  F like '%b%'  and  F like '%a%' "},
        {"  a   b  ", " F like '%b%'  and  F like '%a%' "},
        {"   ", ""},
        {"a\tb", " F like '%a\tb%' "},
        {"a\u3000b", " F like '%a\u3000b%' "},
        {" \ta  \u3000b ", " F like '%\u3000b%'  and  F like '%\ta%' "},
        {"O''Neil", " F like '%O''Neil%' "},
        {"50%_[x", " F like '%50%_[x%' "}};
    for (const Case& c : cases) {
        EXPECT_EQ(生成单栏目SQL("F", c.keywords, true), kHead + c.condition + ") ")
            << c.keywords.toStdString();
    }
}

class ExactStatement : public QvTest {};

TEST_F(ExactStatement, UsesTheWholeTextOnAllowedColumnsOnly) {
    EXPECT_EQ(生成单栏目SQL("教育训练名称", " GMP 培训 ", false),
              kHead + " 教育训练名称 = ' GMP 培训 ' ) ");
    EXPECT_EQ(生成单栏目SQL("sop编号", "x", false), kHead + " sop编号 = 'x' ) ");
    for (const char* field : {"id", "新进员工", "法规", "SOP", "专业技术", "训练时间"}) {
        ScriptedMessages::Instance().Expect(Icon::Critical, "该字段目前暂不支持精确查找！");
        EXPECT_EQ(生成单栏目SQL(QString::fromUtf8(field), "x", false), kHead + " 1=2 ) ");
    }
}

class AllColumnsStatement : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        ASSERT_TRUE(OpenDatabase(connection));
    }
    TestFolder folder;
    ado::Connection connection;
};

TEST_F(AllColumnsStatement, FuzzyCoversEveryFieldInTableOrder) {
    EXPECT_EQ(生成全部栏目SQL(connection, "质量 生产", true),
              "select * from 训练表 where ( ( id like '%生产%'  and  id like '%质量%' ) "
              " or ( 部门 like '%生产%'  and  部门 like '%质量%' ) "
              " or ( 新进员工 like '%生产%'  and  新进员工 like '%质量%' ) "
              " or ( 法规 like '%生产%'  and  法规 like '%质量%' ) "
              " or ( SOP like '%生产%'  and  SOP like '%质量%' ) "
              " or ( 专业技术 like '%生产%'  and  专业技术 like '%质量%' ) "
              " or ( 内外训 like '%生产%'  and  内外训 like '%质量%' ) "
              " or ( 训练时间 like '%生产%'  and  训练时间 like '%质量%' ) "
              " or ( SOP编号 like '%生产%'  and  SOP编号 like '%质量%' ) "
              " or ( SOP版次 like '%生产%'  and  SOP版次 like '%质量%' ) "
              " or ( SOP名称 like '%生产%'  and  SOP名称 like '%质量%' ) "
              " or ( 教育训练名称 like '%生产%'  and  教育训练名称 like '%质量%' ) "
              " or ( 主讲人 like '%生产%'  and  主讲人 like '%质量%' ) "
              " or ( 参加人员 like '%生产%'  and  参加人员 like '%质量%' ) ) ");
    EXPECT_EQ(connection.State(), ado::adStateOpen);
}

TEST_F(AllColumnsStatement, ExactCoversTheEightTextFieldsWithoutAMessage) {
    QString expected = kHead;
    bool first = true;
    for (const char* field : {"部门", "内外训", "SOP编号", "SOP版次", "SOP名称", "教育训练名称",
                              "主讲人", "参加人员"}) {
        expected += QString(first ? " (" : " or (") + " " + QString::fromUtf8(field) + " = 'x' ) ";
        first = false;
    }
    EXPECT_EQ(生成全部栏目SQL(connection, "x", false), expected + ") ");
}

TEST_F(AllColumnsStatement, SpacesOnlyGiveEmptyGroups) {
    const QString sql = 生成全部栏目SQL(connection, "  ", true);
    EXPECT_TRUE(sql.startsWith(kHead + " () " + " or () ")) << sql.toStdString();
}

TEST_F(AllColumnsStatement, TheWholeStatementEndsWithTheDateClauseAndTheSort) {
    const QString sql = SearchQuery::Statement(connection, "部门", "质量 生产", true,
                                               DateRange{QDate(2014, 1, 1), QDate(2014, 12, 31)});
    EXPECT_EQ(sql, kHead + " 部门 like '%生产%'  and  部门 like '%质量%' ) " +
                       " and (训练时间 between #2014-01-01# and #2014-12-31#)" +
                       " order by 训练时间 asc");
    EXPECT_EQ(SearchQuery::Statement(connection, "主讲人", "张", true, std::nullopt),
              kHead + " 主讲人 like '%张%' ) " + " order by 训练时间 asc");
}
} // namespace
