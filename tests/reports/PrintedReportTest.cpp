#include "helpers/DbHelpers.h"
#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "helpers/TrainingRows.h"
#include "platform/app/CompanyName.h"
#include "platform/clock/Clock.h"
#include "reports/sSaveXLS.h"
#include "training/SearchList.h"
#include "training/fSearch.h"

#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <memory>

// Both reports printed to PDF by LibreOffice and read back with pdftotext, as a QA manager
// would read them on paper.
namespace {
using ui::Icon;

const QString kSaved = "保存完成。文件大小：[0-9,]+\\.[0-9]{2}KB";
const QString kSaveTime = "保存时间:2015/6/19:05:07"; // without blanks, as the pages are read

QString longestList() {
    QStringList names;
    for (int i = 1; i <= 60; ++i) {
        names.push_back(QStringLiteral("长名单员工%1").arg(i, 3, 10, QChar(u'0')));
    }
    return names.join(u'、');
}

// Records of every shape: long participant lists, long SOP titles, line breaks.
void addRecords(int count, const QString& everyone) {
    const QStringList surnames = {"王", "李", "张", "刘", "陈", "杨", "赵", "黄"};
    for (int i = 0; i < count; ++i) {
        TestDb::Training row;
        row.day = QDate(2014, 1, 1).addDays(i);
        row.course = QStringLiteral("GMP培训第%1期").arg(i);
        row.sopNumber = QStringLiteral("SOP-QA-%1").arg(i % 40, 3, 10, QChar(u'0'));
        row.revision = QString::number(i % 12);
        if (i % 7 == 0) {
            row.sopName = QStringLiteral("关于生产过程中偏差的调查、评估、纠正和预防措施的管理规程"
                                         "以及相关记录的填写和归档要求\r\n");
        }
        if (i % 11 == 0) {
            row.course += QStringLiteral("\n（补训）");
        }
        QStringList names = {everyone};
        for (int n = 0; n < 5 + i % 36; ++n) {
            names.push_back(surnames[n % surnames.size()] + QStringLiteral("员工%1").arg(n));
        }
        row.participants = i == count / 2 ? longestList() : names.join(u'、');
        TestDb::AddTraining(row);
    }
}

QString flat(const QString& text) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return QString(text).remove(blanks);
}

class PrintedReportTest : public QvTest {
protected:
    // One LibreOffice start prints both reports; every test reads the pages.
    static void SetUpTestSuite() {
        folder = new TestFolder;
        folder->WithDatabase();
        CompanyName = DefaultCompanyName();
        Clock::SetFixedNow(QDateTime(QDate(2015, 6, 1), QTime(9, 5, 7)));
        addRecords(300, QStringLiteral("张三"));
        TestDb::Exec("insert into 员工表 (姓名,员工编号,学历,职务,到职日) "
                     "values('张三','QV001','本科','检验员',#2012-05-06#)");
        exportReport(QStringLiteral("summary.xls"), {}, 300);
        exportReport(QStringLiteral("personal.xls"), QStringLiteral("张三"), 200);
        print({QStringLiteral("summary"), QStringLiteral("personal")});
        ScriptedMessages::Instance().VerifyAndReset();
        Clock::SetFixedNow({});
    }

    static void TearDownTestSuite() {
        delete folder;
        folder = nullptr;
    }

    static void exportReport(const QString& file, const QString& employee, int rows) {
        QMenu popup;
        fSearch search(&popup);
        search.Text1->setText(QStringLiteral("GMP"));
        search.Command1->click();
        while (search.ListView1->ItemCount() > rows) {
            search.ListView1->Model().RemoveRow(search.ListView1->ItemCount() - 1);
        }
        sSaveXLS dialog(*search.ListView1);
        dialog.Text1->setText(folder->File(file));
        dialog.Text3->setText(employee);
        ScriptedMessages::Instance().ExpectMatching(Icon::Information, kSaved);
        dialog.Command1->click();
    }

    static void print(const QStringList& names) {
        QStringList arguments = {QStringLiteral("-env:UserInstallation=file://") +
                                     folder->File(QStringLiteral("lo")),
                                 QStringLiteral("--headless"),
                                 QStringLiteral("--convert-to"),
                                 QStringLiteral("pdf"),
                                 QStringLiteral("--outdir"),
                                 folder->Path()};
        for (const QString& name : names) {
            arguments.push_back(folder->File(name + QStringLiteral(".xls")));
        }
        QProcess office;
        office.start(QStringLiteral("soffice"), arguments);
        ASSERT_TRUE(office.waitForFinished(180000)) << "LibreOffice did not finish";
        for (const QString& name : names) {
            QProcess text;
            text.start(QStringLiteral("pdftotext"),
                       {folder->File(name + QStringLiteral(".pdf")), QStringLiteral("-")});
            ASSERT_TRUE(text.waitForFinished(60000));
            QStringList pageTexts = QString::fromUtf8(text.readAllStandardOutput()).split(u'\f');
            while (!pageTexts.isEmpty() && flat(pageTexts.last()).isEmpty()) {
                pageTexts.removeLast();
            }
            pages[name] = pageTexts;
        }
    }

    static QStringList pagesOf(const QString& name) { return pages.value(name); }

    static int pageWith(const QString& name, const QString& text) {
        const QStringList all = pagesOf(name);
        for (int i = 0; i < all.size(); ++i) {
            if (flat(all[i]).contains(text)) {
                return i;
            }
        }
        return -1;
    }

    static void expectHeadingsOnEveryPage(const QString& name, const QStringList& headings) {
        const QStringList all = pagesOf(name);
        ASSERT_GT(all.size(), 1) << name.toStdString();
        for (int i = 0; i < all.size(); ++i) {
            for (const QString& heading : headings) {
                EXPECT_TRUE(flat(all[i]).contains(heading))
                    << name.toStdString() << " page " << i + 1 << ": " << heading.toStdString();
            }
        }
    }

    static inline TestFolder* folder = nullptr;
    static inline QHash<QString, QStringList> pages;
};

const QStringList kTableHeadings = {"部门",     "教育训练类别", "新进员工", "法规",    "SOP",
                                    "专业技术", "内外训",       "训练时间", "SOP编号", "SOP版次",
                                    "SOP名称",  "教育训练名称", "主讲人"};

TEST_F(PrintedReportTest, TheSummaryRepeatsItsHeadingsAndShowsWholeTexts) {
    expectHeadingsOnEveryPage("summary", kTableHeadings + QStringList{"参加人员"});
    const QString all = flat(pagesOf("summary").join(QString()));
    for (const QString& name : longestList().split(u'、')) {
        EXPECT_TRUE(all.contains(name)) << name.toStdString();
    }
    EXPECT_GE(pageWith("summary", kSaveTime), 0) << "the save time whole on one page";
    EXPECT_GE(pageWith("summary", "需调整教育训练计划"), 0);
}

TEST_F(PrintedReportTest, ThePersonalRecordKeepsItsBlockOnPageOneAndSignsOnOnePage) {
    expectHeadingsOnEveryPage("personal", kTableHeadings);
    EXPECT_EQ(pageWith("personal", "员工编号"), 0);
    EXPECT_FALSE(flat(pagesOf("personal").value(1)).contains("员工编号"))
        << "the employee block prints once";
    const int signed_ = pageWith("personal", "人员签章:");
    EXPECT_GE(signed_, 0);
    EXPECT_TRUE(flat(pagesOf("personal").value(signed_)).contains("主管签章:"));
    EXPECT_GE(pageWith("personal", kSaveTime), 0);
}
} // namespace
