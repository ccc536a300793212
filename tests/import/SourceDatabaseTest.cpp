#include "helpers/DbHelpers.h"
#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "helpers/TrainingRows.h"
#include "import/fInputdata.h"
#include "store/ModuleDataBase.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

// Database files from outside: crafted to harm the program, or merely written by another
// program in forms ours never writes.
namespace {
using ui::Icon;

const QString kFields = "部门, 新进员工, 法规, SOP, 专业技术, 内外训, 训练时间, SOP编号, SOP版次, "
                        "SOP名称, 教育训练名称, 主讲人, 参加人员";

class SourceDatabaseTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        source = folder.EmptyDatabase("other.db");
    }

    void import(const QString& path) {
        fInputdata window;
        window.Text1->setText(path);
        window.Command1->click();
    }

    static QStringList own(const QString& field) {
        return TestDb::Column("select * from 训练表 order by id", field);
    }

    QByteArray sourceHash() const {
        QFile file(source);
        file.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }

    TestFolder folder;
    QString source;
};

TEST_F(SourceDatabaseTest, CraftedSchemasAreRefusedBeforeAnythingIsCopied) {
    const QString notATable = "所选文件的训练表不是普通的数据表，不能导入。";
    const QString runsOnIt = "所选文件中有作用于训练表的触发器或视图，不能导入。";
    struct Case {
        const char* what;
        QStringList schema;
        QString message;
    };
    const Case cases[] = {
        {"a view in its place",
         {"alter table 训练表 rename to 旧表", "create view 训练表 as select * from 旧表"},
         notATable},
        {"an endless recursive view",
         {"drop table 训练表",
          "create view 训练表 as with recursive r(n) as (select 1 union all select n + 1 from "
          "r) select n as id, n as 部门 from r"},
         notATable},
        {"a virtual table",
         {"drop table 训练表", "create virtual table 训练表 using fts4(" + kFields + ")"},
         notATable},
        {"a trigger on it",
         {"create trigger t after insert on 训练表 begin delete from 员工表; end"},
         runsOnIt},
        {"a view over it", {"create view 全部 as select * from 训练表 where 0 = 1"}, runsOnIt},
        {"a value longer than the own file holds",
         {"insert into 训练表 (参加人员) values (printf('%.*c', 1048577, 'x'))"},
         "所选文件的训练表中有超过 1 MB 的内容，本程序不能保存，不能导入。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(source);
        source = folder.EmptyDatabase("other.db");
        TestDb::Exec("insert into 训练表 (教育训练名称) values ('一条')", source);
        for (const QString& statement : c.schema) {
            TestDb::Exec(statement, source);
        }
        ScriptedMessages::Instance().Expect(Icon::Critical, c.message);
        import(source);
        EXPECT_EQ(TestDb::Count("训练表"), 0);
    }
}

// Yes/No as words and numbers, columns without a type, dates as another program keeps
// them; each record is copied once, and a second import finds every one of them.
TEST_F(SourceDatabaseTest, ValuesInForeignFormsAreReadAsTheirMeaning) {
    TestDb::Exec("drop table 训练表", source);
    TestDb::Exec("create table 训练表 (id integer primary key, 部门, 新进员工 YESNO, 法规 YESNO, "
                 "SOP, 专业技术, 内外训, 训练时间 DATETIME, SOP编号, SOP版次, SOP名称, "
                 "教育训练名称, 主讲人, 参加人员)",
                 source);
    const QStringList rows = {
        "'质量部', 'Yes', 'false', -1, 'TRUE', '内训', '2020-03-15 00:00:00', 12, 2, '名', '甲', "
        "'张华', '张三'",
        "'质量部', 'no', 1, 0, 'On', '内训', '2020-03-16T00:00:00', 'SOP-G2', '02', '名', '乙', "
        "'张华', '张三'",
        "null, 'YES', 'No', 'off', '0', null, 43905, null, null, null, '丙', null, null",
        "'', 0, 0, 0, 0, '', '2020-03-17T08:30:00', 'S', '1', '', '丁', '', ''",
        "'', 0, 0, 0, 0, '', null, 'S', '1', '', '戊', '', ''",
        "'', 0, 0, 0, 0, '', 'not a date', 'S', '1', '', '己', '', ''",
    };
    for (const QString& row : rows) {
        TestDb::Exec("insert into 训练表 (" + kFields + ") values (" + row + ")", source);
    }
    const QByteArray before = sourceHash();
    import(source);
    EXPECT_EQ(own("SOP编号"), QStringList({"12", "SOP-G2", "", "S", "S", "S"}));
    EXPECT_EQ(own("SOP版次"), QStringList({"2", "02", "", "1", "1", "1"}));
    EXPECT_EQ(own("新进员工"), QStringList({"True", "False", "True", "False", "False", "False"}));
    EXPECT_EQ(own("法规"), QStringList({"False", "True", "False", "False", "False", "False"}));
    EXPECT_EQ(own("SOP"), QStringList({"True", "False", "False", "False", "False", "False"}));
    EXPECT_EQ(own("专业技术"), QStringList({"True", "True", "False", "False", "False", "False"}));
    EXPECT_EQ(own("训练时间"), QStringList({"2020-03-15", "2020-03-16", "2020-03-15",
                                            "2020-03-17 08:30:00", "2000-01-01", "2000-01-01"}));
    EXPECT_EQ(TestDb::Count("训练表"), 6);
    EXPECT_EQ(TestDb::Column("select count(*) as n from 训练表 where 参加人员 is null", "n"),
              QStringList{"0"})
        << "texts are never Null";

    import(source);
    EXPECT_EQ(TestDb::Count("训练表"), 6) << "the second import copies nothing";
    EXPECT_EQ(sourceHash(), before) << "the source is only read";
}

// A table made from a query has columns without types; its values are copied as they are.
TEST_F(SourceDatabaseTest, ATableMadeFromAQueryIsReadAsValues) {
    TestDb::Exec("drop table 训练表", source);
    TestDb::Exec("create table 训练表 as select 1 as id, '质量部' as 部门, 0 as 新进员工, "
                 "0 as 法规, 1 as SOP, 0 as 专业技术, '内训' as 内外训, '2021-05-06' as "
                 "训练时间, 'SOP-1' as SOP编号, '3' as SOP版次, '清洁' as SOP名称, '清洁培训' as "
                 "教育训练名称, '张华' as 主讲人, '张三、李四' as 参加人员",
                 source);
    import(source);
    import(source);
    EXPECT_EQ(own("参加人员"), QStringList{"张三、李四"});
    EXPECT_EQ(own("训练时间"), QStringList{"2021-05-06"});
    EXPECT_EQ(own("SOP"), QStringList{"True"});
}

TEST_F(SourceDatabaseTest, TheOwnFileIsRefusedByAnyPathThatLeadsToIt) {
    TestDb::AddTraining({});
    const QFileInfo own(DatabasePath);
    const QString link = folder.File("link.db");
    ASSERT_TRUE(QFile::link(DatabasePath, link));
    const QString dir = own.absolutePath();
    const QStringList paths = {
        link,
        dir + "/./data.db",
        dir + "/../" + QDir(dir).dirName() + "/data.db",
        dir + "//data.db",
    };
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        ScriptedMessages::Instance().Expect(Icon::Critical, "不能导入自己！请重新选择其他文件。");
        import(path);
        EXPECT_EQ(TestDb::Count("训练表"), 1);
    }
}
} // namespace
