// Draws the program's windows on a real X display (Xvfb) and saves each as a PNG, so a
// person can look at what the user sees: scripts/screenshots.sh runs it.
#include "helpers/DbHelpers.h"
#include "helpers/TestFolder.h"
#include "helpers/TrainingRows.h"
#include "import/fInputdata.h"
#include "integrity/fBackup.h"
#include "integrity/TrailListModel.h"
#include "integrity/fAuditTrail.h"
#include "matrix/MatrixExport.h"
#include "matrix/MatrixPage.h"
#include "matrix/MatrixStore.h"
#include "matrix/fMatrix.h"
#include "matrix/fMatrixList.h"
#include "platform/ado/Connection.h"
#include "platform/app/App.h"
#include "platform/clock/Clock.h"
#include "platform/settings/Settings.h"
#include "platform/ui/ReasonDialog.h"
#include "refdata/fAddDep.h"
#include "refdata/fSelectMen.h"
#include "reports/sSaveXLS.h"
#include "shell/MDIForm1.h"
#include "shell/Startup.h"
#include "shell/fOption.h"
#include "store/Backup.h"
#include "store/BackupMirror.h"
#include "store/AuditChange.h"
#include "store/ModuleDataBase.h"
#include "training/SearchList.h"
#include "training/fSearch.h"
#include "training/trainingAdd.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <QWindow>
#include <cstdio>
#include <functional>

namespace {
void save(QWidget& window, const QString& folder, const QString& name) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "%s was not shown\n", qPrintable(name));
    }
    QTest::qWait(400);
    const QRect frame = window.frameGeometry();
    const QPixmap shot =
        window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    const QString path = folder + u'/' + name + QStringLiteral(".png");
    shot.save(path);
    std::printf("%s\n", qPrintable(path));
    window.hide();
}

// A day's backup, two taken on demand, the last changed since; a second location that is
// not plugged in.
void arrangeBackups(const QString& folder) {
    const QDateTime day(QDate(2026, 12, 15), QTime(17, 30, 5));
    Clock::SetFixedNow(day);
    Backup::Run(folder, day.date());
    Clock::SetFixedNow(day.addSecs(3600));
    Backup::Take(folder, Backup::OnDemandName(Clock::Now()));
    Clock::SetFixedNow(day.addSecs(7200));
    const QString changed = Backup::OnDemandName(Clock::Now());
    Backup::Take(folder, changed);
    QFile file(folder + u'/' + changed);
    file.open(QIODevice::Append);
    file.write("x");
    Settings::SetFolder(folder + QStringLiteral("/settings"));
    BackupMirror::SetSecondLocation(QStringLiteral("/media/U盘/备份"));
}

void arrange() {
    TestDb::Exec("insert into 部门表 (部门名称) values('质量部')");
    TestDb::Exec("insert into 部门表 (部门名称) values('生产部')");
    TestDb::Exec("insert into 员工表 (姓名,部门,职务,员工编号,学历,到职日) "
                 "values('张三','质量部','检验员','QV001','本科',#2012-05-06#)");
    for (int i = 0; i < 3; ++i) {
        TestDb::AddTraining({});
    }
}

// A correction with its reason and a deletion, for the audit window to list.
void change() {
    ado::Connection connection;
    OpenDatabase(connection);
    Audit::Change correction(connection, QStringLiteral("修改训练记录"),
                             QStringLiteral("主讲人填写错误"));
    correction.Watch(QStringLiteral("训练表"), 2);
    connection.Execute(
        QStringLiteral("update 训练表 set 主讲人='李明', 参加人员='张三、王五' where id=2"));
    correction.Commit();
    Audit::Change deletion(connection, QStringLiteral("删除训练记录"), QStringLiteral("重复录入"));
    deletion.Watch(QStringLiteral("训练表"), 3);
    connection.Execute(QStringLiteral("delete from 训练表 where id=3"));
    deletion.Commit();
}

// A small master list with requirements, so that every status shows in the matrix.
void arrangeMatrix() {
    TestDb::Exec("insert into 员工表 (姓名,部门,职务) values('李四','生产部','主管'),"
                 "('王五','生产部','操作工'),('赵六','质量部','QA专员')");
    const struct {
        const char* sop;
        const char* revision;
        QDate day;
        const char* participants;
    } trainings[] = {{"SOP-QA-001", "02", {2026, 3, 2}, "张三、赵六"},
                     {"SOP-QA-001", "01", {2024, 5, 6}, "李四"},
                     {"SOP-PR-010", "1", {2024, 1, 8}, "李四、王五"},
                     {"SOP-PR-011", "3", {2025, 9, 1}, "王五"}};
    for (const auto& t : trainings) {
        TestDb::Training training;
        training.sopNumber = QString::fromUtf8(t.sop);
        training.revision = QString::fromUtf8(t.revision);
        training.day = t.day;
        training.participants = QString::fromUtf8(t.participants);
        TestDb::AddTraining(training);
    }
    ado::Connection connection;
    OpenDatabase(connection);
    MatrixStore::SaveSop(connection, {0, "SOP-QA-001", "偏差处理规程", "2", {2026, 1, 1}, 12});
    MatrixStore::SaveSop(connection, {0, "SOP-PR-010", "清场管理规程", "1", {2023, 6, 1}, 12});
    MatrixStore::SaveSop(connection, {0, "SOP-PR-011", "称量操作规程", "4", {2027, 1, 1}, {}});
    MatrixStore::SaveRequirement(connection, {0, "", "", "SOP-QA-001"});
    MatrixStore::SaveRequirement(connection, {0, "生产部", "", "SOP-PR-010"});
    MatrixStore::SaveRequirement(connection, {0, "生产部", "操作工", "SOP-PR-011"});
}

void saveMatrix(QWidget& main, const QString& out) {
    arrangeMatrix();
    fMatrix window(&main);
    const char* names[] = {"matrix-sops", "matrix-requirements", "matrix"};
    for (int page = 0; page < 3; ++page) {
        window.Tabs->setCurrentIndex(page);
        while (window.Matrix->Computing()) {
            QTest::qWait(50);
        }
        save(window, out, QString::fromUtf8(names[page]));
    }
    QList<QStringList> lines;
    for (const Matrix::Cell& cell : MatrixExport::Gaps(window.Matrix->Cells())) {
        lines << MatrixExport::Fields(window.Matrix->Input(), cell);
    }
    fMatrixList list(QStringLiteral("版次变更待培训人员"),
                     QStringLiteral("将“SOP-QA-001”的现行版次改为“3”后，以下 %1 名人员尚未接受"
                                    "新版次的培训：")
                         .arg(lines.size()),
                     MatrixExport::Headings(), lines, &window);
    list.AskToSave();
    list.OfferExport([](QWidget*) {});
    save(list, out, QStringLiteral("matrix-revision-change"));
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Startup::PrepareApplication(app);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    TestFolder folder;
    folder.WithDatabase();
    App::SetPath(folder.Path());
    arrange();

    MDIForm1 main;
    main.show();
    fSearch& search = main.ShowSearch();
    search.Text1->setText(QStringLiteral("GMP"));
    search.Command1_Click();
    save(main, out, QStringLiteral("main-search"));
    {
        trainingAdd editor(1, &main);
        save(editor, out, QStringLiteral("editor"));
    }
    {
        fSelectMen people(&main);
        save(people, out, QStringLiteral("register"));
    }
    {
        fAddDep departments(&main);
        save(departments, out, QStringLiteral("departments"));
    }
    {
        fOption settings(&main);
        save(settings, out, QStringLiteral("settings"));
    }
    {
        sSaveXLS exporter(*search.ListView1, &main);
        save(exporter, out, QStringLiteral("export"));
    }
    {
        fInputdata import(&main);
        save(import, out, QStringLiteral("import"));
    }
    change();
    {
        fAuditTrail trail(&main);
        trail.ListView1->setCurrentIndex(trail.Model().index(1, 0));
        save(trail, out, QStringLiteral("audit-trail"));
    }
    {
        ui::ReasonDialog reason(&main);
        reason.Text1->setText(QStringLiteral("主讲人填写错误"));
        save(reason, out, QStringLiteral("reason"));
    }
    saveMatrix(main, out);
    {
        arrangeBackups(folder.Path());
        fBackup backups(&main);
        save(backups, out, QStringLiteral("backups"));
    }
    {
        // The dialog ui::ChooseFile shows, started where it starts.
        QFileDialog files(&main, QString(), QDir::homePath(), QStringLiteral("*.xls (*.xls)"));
        files.setOption(QFileDialog::DontUseNativeDialog);
        files.setViewMode(QFileDialog::Detail);
        save(files, out, QStringLiteral("file-dialog"));
    }
    return 0;
}
