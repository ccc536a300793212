#include "helpers/DbHelpers.h"
#include "helpers/IndependentReaders.h"
#include "helpers/QvTest.h"
#include "helpers/SqlcipherCli.h"
#include "helpers/TestFolder.h"
#include "import/fInputdata.h"
#include "platform/app/CompanyName.h"
#include "reports/SaveTarget.h"
#include "reports/sSaveXLS.h"
#include "store/ModuleDataBase.h"
#include "training/SearchList.h"
#include "training/SearchQuery.h"
#include "training/fSearch.h"
#include "training/trainingAdd.h"

#include <QComboBox>
#include <QFileInfo>
#include <QJsonArray>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <memory>
#include <sqlite3.h>

namespace {
using ui::Icon;

const QString kFullWidthSpace = QStringLiteral("\u3000");

QString names(int count) {
    QStringList list;
    for (int i = 0; i < count; ++i) {
        list.push_back(QStringLiteral("员%1").arg(i));
    }
    return list.join(QStringLiteral("、"));
}

// Every cell value of every sheet the independent reader sees.
QSet<QString> cellTexts(const QString& workbook) {
    QSet<QString> texts;
    const QJsonObject inspected = independent::Inspect(workbook);
    for (const QJsonValue sheet : inspected.value("sheets").toArray()) {
        const QJsonObject cells = sheet.toObject().value("cells").toObject();
        for (auto cell = cells.begin(); cell != cells.end(); ++cell) {
            texts.insert(cell.value().toObject().value("value").toVariant().toString());
        }
    }
    return texts;
}

struct Text {
    const char* name;
    QString typed;  // as typed into the course box, and the participants box
    QString stored; // what the record keeps: only ASCII spaces trimmed at the ends
};

class LimitsTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        TestDb::Exec("insert into 部门表 (部门名称) values('质量部')");
        LoadCompanyName();
        search = std::make_unique<fSearch>(nullptr);
    }

    static void add(const QString& course, const QString& participants) {
        trainingAdd editor(0);
        editor.Text1->setText(course);
        editor.Text7->setText("偏差处理");
        editor.Text2->setText("张华");
        editor.Text3->setPlainText(participants);
        editor.Command4->click();
    }

    void searchExactly(const QString& course) {
        search->Combo1->setCurrentText("教育训练名称");
        search->Combo2->setCurrentText(SearchQuery::kExactMatch);
        search->Text1->setText(course);
        search->Command1->click();
    }

    void searchFuzzily(const QString& keywords) {
        search->Combo1->setCurrentText(SearchQuery::kAllColumns);
        search->Combo2->setCurrentIndex(0);
        search->Text1->setText(keywords);
        search->Command1->click();
    }

    QString exportList(bool personal, const QString& name = {}) {
        const QString out = folder.File(personal ? "个人.xls" : "汇总.xls");
        sSaveXLS dialog(*search->ListView1);
        dialog.Text1->setText(out);
        if (personal) {
            dialog.Text3->setText(name);
            dialog.Option2->setChecked(true);
        }
        dialog.Command1_Click();
        return out;
    }

    TestFolder folder;
    std::unique_ptr<fSearch> search;
};

TEST_F(LimitsTest, AwkwardTextsAreStoredReadBackSearchedAndReportedUnchanged) {
    const QString marks = QStringLiteral("O'Neil''s 50% _x_ [GMP #1# \"引号\" C:\\路径\\ 制\t表");
    const QString outsideBmp = QStringLiteral("😀𠀀𝄞课程");
    const QString fullWidth = kFullWidthSpace + "课程" + kFullWidthSpace;
    const QString tenThousand = QString(10000, u'训');
    const std::vector<Text> texts = {
        {"quotes, wildcards, brackets, hashes, back-slashes, tabs", "  " + marks + " ", marks},
        {"characters outside the basic plane", outsideBmp, outsideBmp},
        {"full-width spaces at the ends", " " + fullWidth + "  ", fullWidth},
        {"10,000 characters", tenThousand, tenThousand},
    };
    const QString participants = names(5000) + "\n第二行\t制表";
    for (const Text& text : texts) {
        SCOPED_TRACE(text.name);
        add(text.typed, participants);
        const QStringList ids = TestDb::Column(
            "select * from 训练表 where 教育训练名称='" + SqlQuote(text.stored) + "'", "id");
        ASSERT_EQ(ids.size(), 1);
        EXPECT_EQ(TestDb::Column("select * from 训练表 where id=" + ids[0], "参加人员"),
                  QStringList{participants});

        trainingAdd editor(ids[0].toInt());
        EXPECT_EQ(editor.Text1->text(), text.stored);
        EXPECT_EQ(editor.Text3->toPlainText(), participants);

        searchExactly(text.stored);
        ASSERT_EQ(search->ListView1->ItemCount(), 1);
        EXPECT_EQ(search->ListView1->ItemText(0), ids[0]);

        ScriptedMessages::Instance().ExpectMatching(Icon::Information, "保存完成。.+");
        const QSet<QString> summary = cellTexts(exportList(false));
        EXPECT_TRUE(summary.contains(text.stored));
        EXPECT_TRUE(summary.contains(participants));
        ScriptedMessages::Instance().ExpectMatching(Icon::Information, "保存完成。.+");
        EXPECT_TRUE(cellTexts(exportList(true, "员4999")).contains(text.stored));
        ScriptedMessages::Instance().VerifyAndReset();
    }

    // Fuzzy keywords split at ASCII spaces only, and an apostrophe is an ordinary letter.
    searchFuzzily("O'Neil''s");
    EXPECT_EQ(search->ListView1->ItemCount(), 1);
    searchFuzzily("𠀀");
    EXPECT_EQ(search->ListView1->ItemCount(), 1);
    searchFuzzily(fullWidth);
    EXPECT_EQ(search->ListView1->ItemCount(), 1);
    searchFuzzily("[GMP");
    EXPECT_EQ(search->ListView1->ItemCount(), 0) << "an unclosed [ selects nothing";
}

TEST_F(LimitsTest, AListLongerThanACellHoldsGetsTheSummarysMessageAndNoFile) {
    const QString participants = names(SaveTarget::kCellCharacters / 4);
    ASSERT_GT(participants.size(), SaveTarget::kCellCharacters);
    add("超长名单", participants);
    EXPECT_EQ(TestDb::Column("select * from 训练表", "参加人员"), QStringList{participants});
    searchExactly("超长名单");
    ASSERT_EQ(search->ListView1->ItemCount(), 1);
    ScriptedMessages::Instance().Expect(
        Icon::Critical, "ID为1的记录的“参加人员”超过了EXCEL单元格能容纳的32767个字符，不能保存。");
    EXPECT_FALSE(QFileInfo::exists(exportList(false)));
    // The personal record leaves the participants out, so it is saved whole.
    ScriptedMessages::Instance().ExpectMatching(Icon::Information, "保存完成。.+");
    EXPECT_TRUE(cellTexts(exportList(true, "员0")).contains("超长名单"));
}

// A source's value far beyond what the own file holds is refused from its size alone: the
// engine never reads it into memory.
TEST_F(LimitsTest, AFourHundredMegabyteTextInASourceIsRefusedWithoutBeingRead) {
    const QString source = folder.EmptyDatabase("huge.db");
    SqlcipherCli::RunKeyed(
        source, "insert into 训练表 (参加人员) values (printf('%.*c', 400000000, 'x'));");
    ASSERT_GT(QFileInfo(source).size(), 400'000'000);
    sqlite3_int64 used = 0;
    sqlite3_int64 peak = 0;
    sqlite3_status64(SQLITE_STATUS_MEMORY_USED, &used, &peak, 1);
    ScriptedMessages::Instance().Expect(
        Icon::Critical, "所选文件的训练表中有超过 1 MB 的内容，本程序不能保存，不能导入。");
    fInputdata window;
    window.Text1->setText(source);
    window.Command1->click();
    sqlite3_status64(SQLITE_STATUS_MEMORY_USED, &used, &peak, 0);
    EXPECT_LT(peak, 50 << 20);
    EXPECT_EQ(TestDb::Count("训练表"), 0);
}
} // namespace
