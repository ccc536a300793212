#include "platform/ado/Recordset.h"

#include "helpers/TestFolder.h"
#include "platform/ado/Connection.h"
#include "store/ModuleDataBase.h"

#include <gtest/gtest.h>

namespace {
class RecordsetTest : public testing::Test {
protected:
    void SetUp() override {
        folder.WithDatabase();
        ASSERT_TRUE(OpenDatabase(connection));
    }

    int addTraining(const QString& department, const QString& course, const QDate& day,
                    bool newEmployees = false) {
        ado::Recordset rs;
        rs.Open("select * from 训练表", connection, ado::adOpenKeyset, ado::adLockOptimistic);
        rs.AddNew();
        rs.Fields()["部门"].SetValue(department);
        rs.Fields()["新进员工"].SetValue(newEmployees);
        rs.Fields()["训练时间"].SetValue(day);
        rs.Fields()["教育训练名称"].SetValue(course);
        rs.Update();
        return rs.Fields()["id"].Value().toInt();
    }

    QStringList courses(const QString& sql) {
        ado::Recordset rs;
        rs.Open(sql, connection);
        QStringList names;
        for (; !rs.Eof(); rs.MoveNext()) {
            names.push_back(rs.Fields()["教育训练名称"].Text());
        }
        return names;
    }

    TestFolder folder;
    ado::Connection connection;
};

TEST_F(RecordsetTest, FieldsComeInTableOrderWithTheirTypes) {
    ado::Recordset rs;
    rs.Open("select * from  训练表 where 1=2", connection);
    EXPECT_TRUE(rs.Eof());
    const std::vector<std::pair<QString, int>> expected = {
        {"id", ado::adInteger},       {"部门", ado::adVarWChar},
        {"新进员工", ado::adBoolean}, {"法规", ado::adBoolean},
        {"SOP", ado::adBoolean},      {"专业技术", ado::adBoolean},
        {"内外训", ado::adVarWChar},  {"训练时间", ado::adDate},
        {"SOP编号", ado::adVarWChar}, {"SOP版次", ado::adVarWChar},
        {"SOP名称", ado::adVarWChar}, {"教育训练名称", ado::adVarWChar},
        {"主讲人", ado::adVarWChar},  {"参加人员", ado::adLongVarWChar}};
    ASSERT_EQ(rs.Fields().Count(), static_cast<int>(expected.size()));
    for (int i = 0; i < rs.Fields().Count(); ++i) {
        EXPECT_EQ(rs.Fields()[i].Name(), expected[static_cast<size_t>(i)].first);
        EXPECT_EQ(rs.Fields()[i].Type(), expected[static_cast<size_t>(i)].second)
            << rs.Fields()[i].Name().toStdString();
    }
    EXPECT_EQ(rs.Fields()["sop编号"].Name(), "SOP编号");
    EXPECT_THROW(rs.Fields()["没有"], ado::Error);
    EXPECT_THROW(rs.Fields()[14], ado::Error);
}

TEST_F(RecordsetTest, ValuesKeepNullApartFromEmptyAndReadBackAsWritten) {
    const QString awkward = "O'Neil; -- \"quoted\" #1# *";
    ado::Recordset rs;
    rs.Open("select * from 训练表 where 1=2", connection, ado::adOpenKeyset, ado::adLockOptimistic);
    rs.AddNew();
    rs.Fields()["部门"].SetValue(awkward);
    rs.Fields()["SOP编号"].SetValue(QString(""));
    rs.Fields()["法规"].SetValue(true);
    rs.Fields()["训练时间"].SetValue(QString("2000-1-1"));
    rs.Fields()["参加人员"].SetValue(QString("001"));
    rs.Update();
    const int id = rs.Fields()["id"].Value().toInt();
    rs.Close();

    rs.Open("select * from 训练表 where id=" + QString::number(id), connection);
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Fields()["部门"].Value().toString(), awkward);
    EXPECT_FALSE(rs.Fields()["SOP编号"].IsNull());
    EXPECT_EQ(rs.Fields()["SOP编号"].Text(), "");
    EXPECT_TRUE(rs.Fields()["SOP名称"].IsNull());
    EXPECT_EQ(rs.Fields()["SOP名称"].Text(), "");
    EXPECT_EQ(rs.Fields()["法规"].Text(), "True");
    EXPECT_EQ(rs.Fields()["新进员工"].Text(), "False");
    EXPECT_EQ(rs.Fields()["训练时间"].Value().toDate(), QDate(2000, 1, 1));
    EXPECT_EQ(rs.Fields()["参加人员"].Value().toString(), "001");
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
}

TEST_F(RecordsetTest, ChangesTheCurrentRowOnlyWhenOpenedForUpdate) {
    const int id = addTraining("质量部", "GMP", QDate(2014, 3, 5));
    {
        ado::Recordset readOnly;
        readOnly.Open("select * from 训练表 where id=" + QString::number(id), connection);
        EXPECT_THROW(readOnly.Fields()["部门"].SetValue(QString("生产部")), ado::Error);
    }
    ado::Recordset rs;
    rs.Open("select * from 训练表 where id=" + QString::number(id), connection, ado::adOpenKeyset,
            ado::adLockOptimistic);
    rs.Fields()["部门"].SetValue(QString("生产部"));
    rs.Fields()["训练时间"].SetValue(QDate(2015, 1, 2));
    EXPECT_THROW(rs.Fields()["训练时间"].SetValue(QString("明天")), ado::Error);
    rs.Update();
    rs.Close();
    rs.Open("select * from 训练表", connection);
    EXPECT_EQ(rs.Fields()["部门"].Text(), "生产部");
    EXPECT_EQ(rs.Fields()["训练时间"].Text(), "2015-01-02");
}

TEST_F(RecordsetTest, AccessDialectWorksThroughTheEngine) {
    addTraining("质量保证部", "GMP基础", QDate(2014, 1, 1), true);
    addTraining("生产部", "gmp进阶", QDate(2014, 12, 31));
    addTraining("QA部", "洁净区", QDate(2015, 1, 1));
    EXPECT_EQ(courses("select * from 训练表 where 教育训练名称 like '%GMP%' order by 训练时间 asc"),
              QStringList({"GMP基础", "gmp进阶"}));
    EXPECT_EQ(
        courses("select * from 训练表 where (训练时间 between #2014-01-01# and #2014-12-31#)"),
        QStringList({"GMP基础", "gmp进阶"}));
    EXPECT_EQ(courses("select * from 训练表 where 新进员工=True"), QStringList({"GMP基础"}));
    EXPECT_EQ(courses("select * from 训练表 where 部门='qa部'"), QStringList({"洁净区"}));
    EXPECT_EQ(courses("select * from 训练表 where 训练时间 like '%2015%'"),
              QStringList({"洁净区"}));
    EXPECT_EQ(connection.Execute("delete * from 训练表 where 部门 like '质量%'"), 1);
    EXPECT_EQ(courses("select * from 训练表 order by id"), QStringList({"gmp进阶", "洁净区"}));
}

TEST_F(RecordsetTest, BadStatementsAndPatternsAreErrors) {
    ado::Recordset rs;
    EXPECT_THROW(rs.Open("select * from 训练表 where () ", connection), ado::Error);
    EXPECT_THROW(rs.Open("select * from 没有这个表", connection), ado::Error);
    addTraining("质量部", "GMP", QDate(2014, 3, 5));
    EXPECT_THROW(rs.Open("select * from 训练表 where 部门 like '%[质%'", connection), ado::Error);
    EXPECT_EQ(rs.State(), ado::adStateClosed);
    EXPECT_THROW(connection.Execute("insert into 没有 values(1)"), ado::Error);
}

TEST_F(RecordsetTest, RecordsetOutlivesItsClosedConnection) {
    addTraining("质量部", "GMP", QDate(2014, 3, 5));
    ado::Recordset rs;
    rs.Open("select * from 训练表", connection);
    connection.Close();
    EXPECT_EQ(connection.State(), ado::adStateClosed);
    EXPECT_EQ(rs.Fields()["教育训练名称"].Text(), "GMP");
    EXPECT_THROW(connection.Execute("delete * from 训练表"), ado::Error);
}
} // namespace
