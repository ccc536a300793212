#include "bench/ImportBench.h"

#include "bench/BenchOutput.h"
#include "import/fInputdata.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/app/App.h"
#include "platform/excel/Application.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Workbooks.h"
#include "platform/excel/Worksheets.h"
#include "store/AuditTrail.h"
#include "store/ModuleDataBase.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

namespace Bench {
namespace {
int trainingCount() {
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return -1;
    }
    ado::Recordset rs;
    rs.Open(QStringLiteral("select count(*) from 训练表"), connection);
    return rs.Fields()[0].Value().toInt();
}

double importWorkbookOnce() {
    fInputdata window;
    return TimeMs([&] { window.Command4_Click(); });
}

double importOnce(const QString& other) {
    fInputdata window;
    window.Text1->setText(other);
    return TimeMs([&] { window.Command1_Click(); });
}
} // namespace

QJsonObject RunDatabaseImport(const QString& db, const QString& other, int repeat) {
    QTemporaryDir scratch;
    std::vector<double> times;
    int added = 0;
    double baseline = 0;
    for (int i = 0; i < repeat; ++i) {
        DatabasePath = scratch.filePath(QStringLiteral("data.db"));
        QFile::remove(DatabasePath);
        QFile::copy(db, DatabasePath);
        // The one-time baseline of a file without trail is not the import's work.
        baseline = TimeMs([] { Audit::EnsureTrail(DatabasePath); });
        const int before = trainingCount();
        times.push_back(importOnce(other));
        added = trainingCount() - before;
    }
    const int before = trainingCount();
    const double again = importOnce(other);
    return {{"op", "import-db"},
            {"ms", Median(times)},
            {"added", added},
            {"second_run_ms", again},
            {"second_run_added", trainingCount() - before},
            {"baseline_ms", baseline},
            {"rss_mb", RssMb()}};
}

QJsonObject RunWorkbookImport(const QString& db, const QString& workbook, int repeat) {
    QTemporaryDir scratch;
    App::SetPath(scratch.path());
    QFile::copy(workbook, scratch.filePath(QStringLiteral("1.xls")));
    std::vector<double> times;
    int before = 0;
    int added = 0;
    for (int i = 0; i < repeat; ++i) {
        DatabasePath = scratch.filePath(QStringLiteral("data.db"));
        QFile::remove(DatabasePath);
        QFile::copy(db, DatabasePath);
        before = trainingCount();
        times.push_back(importWorkbookOnce());
        added = trainingCount() - before;
    }
    return {{"op", "import-xls"}, {"ms", Median(times)}, {"added", added}, {"rss_mb", RssMb()}};
}

QJsonObject RunWorkbookRead(const QString& workbook, int repeat) {
    const double before = RssMb();
    std::vector<double> times;
    int sheets = 0;
    for (int i = 0; i < repeat; ++i) {
        times.push_back(TimeMs([&] {
            excel::Application application;
            sheets = application.Workbooks().Open(workbook).Worksheets().Count();
        }));
    }
    return {{"op", "read-xls"},        {"ms", Median(times)},
            {"sheets", sheets},        {"bytes", QFileInfo(workbook).size()},
            {"rss_before_mb", before}, {"rss_mb", PeakRssMb()}};
}

} // namespace Bench
