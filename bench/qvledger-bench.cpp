// Benchmark and verification tool: runs the program's own code and prints one JSON line
// of figures last.
#include "bench/BackupBench.h"
#include "bench/BenchOutput.h"
#include "bench/ExportBench.h"
#include "bench/ImportBench.h"
#include "bench/MatrixBench.h"
#include "bench/SearchBench.h"
#include "bench/Seeder.h"
#include "bench/TrailBench.h"
#include "bench/XlsBench.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/excel/Error.h"
#include "store/ModuleDataBase.h"

#include <QApplication>
#include <QFileInfo>
#include <QHash>
#include <QJsonObject>
#include <cstdio>

namespace {
struct Arguments {
    QString command;
    QHash<QString, QString> options; // "--db" -> value
    QStringList positional;

    QString value(const QString& name, const QString& fallback = {}) const {
        return options.value(name, fallback);
    }
    int number(const QString& name, int fallback) const {
        bool ok = false;
        const int n = options.value(name).toInt(&ok);
        return ok ? n : fallback;
    }
};

// Options that take no value.
const QStringList kFlags = {QStringLiteral("--exact"), QStringLiteral("--cli")};

Arguments parse(const QStringList& args) {
    Arguments parsed;
    parsed.command = args.value(1);
    for (int i = 2; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg.startsWith(QStringLiteral("--"))) {
            const bool flag = kFlags.contains(arg) || i + 1 >= args.size();
            parsed.options.insert(arg, flag ? QStringLiteral("1") : args.at(++i));
        } else {
            parsed.positional.push_back(arg);
        }
    }
    return parsed;
}

int usage() {
    std::fprintf(
        stderr,
        "usage:\n"
        "  qvledger-bench seed --db FILE --records N [--employees M] [--departments K] "
        "[--seed S]\n"
        "  qvledger-bench open --db FILE [--repeat R]\n"
        "  qvledger-bench search --db FILE [--column NAME] [--exact] [--from yyyy-mm-dd "
        "--to yyyy-mm-dd] [--repeat R] [--cli] KEYWORDS...\n"
        "  qvledger-bench import-db --db FILE --from OTHER [--repeat R]\n"
        "  qvledger-bench import-xls --db FILE --xls WORKBOOK.xls [--repeat R]\n"
        "  qvledger-bench matrix --db FILE [--sops N] [--requirements M] [--repeat R]\n"
        "  qvledger-bench backup --db FILE [--repeat R]\n"
        "  qvledger-bench read-xls --xls WORKBOOK.xls [--repeat R]\n"
        "  qvledger-bench xls --rows N --out FILE.xls [--open-password P] "
        "[--modify-password Q] [--repeat R]\n"
        "  qvledger-bench export --db FILE --layout summary|personal [--name N] --out FILE.xls "
        "[--open-password P] [--modify-password Q] [--repeat R] KEYWORDS...\n"
        "  qvledger-bench save --db FILE [--repeat R]\n"
        "  qvledger-bench verify --db FILE [--repeat R]\n");
    return 2;
}

int runSeed(const Arguments& args) {
    const QString db = args.value(QStringLiteral("--db"));
    if (db.isEmpty()) {
        return usage();
    }
    Bench::SeedOptions options;
    options.records = args.number(QStringLiteral("--records"), options.records);
    options.employees = args.number(QStringLiteral("--employees"), options.employees);
    options.departments = args.number(QStringLiteral("--departments"), options.departments);
    options.seed = static_cast<std::uint32_t>(args.number(QStringLiteral("--seed"), 1));
    Bench::SeedResult result;
    const double ms = Bench::TimeMs([&] { result = Bench::Seed(db, options); });
    Bench::PrintFigures({{"op", "seed"},
                         {"ms", ms},
                         {"records", result.records},
                         {"employees", result.employees},
                         {"departments", result.departments},
                         {"bytes", QFileInfo(db).size()}});
    return 0;
}

// One OpenDatabase with the default password, then a one-row read, as a window does.
bool openAndReadOneRow(const QString& db) {
    ado::Connection connection;
    if (!OpenDatabase(connection, db)) {
        return false;
    }
    ado::Recordset rs;
    rs.Open(QStringLiteral("select * from 训练表 where id=1"), connection);
    if (!rs.Eof()) {
        (void)rs.Fields()[QStringLiteral("教育训练名称")].Text();
    }
    rs.Close();
    connection.Close();
    return true;
}

int runOpen(const Arguments& args) {
    const QString db = args.value(QStringLiteral("--db"));
    if (db.isEmpty()) {
        return usage();
    }
    const int repeat = std::max(1, args.number(QStringLiteral("--repeat"), 5));
    bool ok = true;
    const double first = Bench::TimeMs([&] { ok = openAndReadOneRow(db); });
    if (!ok) {
        return 1;
    }
    std::vector<double> times;
    for (int i = 0; i < repeat; ++i) {
        times.push_back(Bench::TimeMs([&] { ok = ok && openAndReadOneRow(db); }));
    }
    Bench::PrintFigures(
        {{"op", "open"}, {"ms", Bench::Median(times)}, {"first_ms", first}, {"repeat", repeat}});
    return ok ? 0 : 1;
}
int runBackup(const Arguments& args) {
    const QString db = args.value(QStringLiteral("--db"));
    if (db.isEmpty()) {
        return usage();
    }
    const std::optional<QJsonObject> figures =
        Bench::RunBackup(db, std::max(1, args.number(QStringLiteral("--repeat"), 5)));
    if (!figures) {
        std::fputs("the backup or its check failed\n", stderr);
        return 1;
    }
    Bench::PrintFigures(*figures);
    return 0;
}
int runSearch(const Arguments& args) {
    Bench::SearchOptions options;
    options.db = args.value(QStringLiteral("--db"));
    options.column = args.value(QStringLiteral("--column"), options.column);
    options.exact = args.options.contains(QStringLiteral("--exact"));
    options.from = args.value(QStringLiteral("--from"));
    options.to = args.value(QStringLiteral("--to"), options.from);
    options.keywords = args.positional;
    options.repeat = std::max(1, args.number(QStringLiteral("--repeat"), options.repeat));
    options.compareWithCli = args.options.contains(QStringLiteral("--cli"));
    if (options.db.isEmpty() || options.keywords.isEmpty()) {
        return usage();
    }
    Bench::PrintFigures(Bench::RunSearch(options));
    return 0;
}
int runMatrix(const Arguments& args) {
    const QString db = args.value(QStringLiteral("--db"));
    if (db.isEmpty()) {
        return usage();
    }
    Bench::PrintFigures(Bench::RunMatrix(db, args.number(QStringLiteral("--sops"), 300),
                                         args.number(QStringLiteral("--requirements"), 600),
                                         std::max(1, args.number(QStringLiteral("--repeat"), 3))));
    return 0;
}

int runImportDb(const Arguments& args) {
    const QString db = args.value(QStringLiteral("--db"));
    const QString other = args.value(QStringLiteral("--from"));
    if (db.isEmpty() || other.isEmpty()) {
        return usage();
    }
    const int repeat = std::max(1, args.number(QStringLiteral("--repeat"), 5));
    Bench::PrintFigures(Bench::RunDatabaseImport(db, other, repeat));
    return 0;
}

// Writes the workbook --repeat times from record texts made beforehand, as the search
// list holds them; the file of the last run stays.
int runXls(const Arguments& args) {
    Bench::XlsOptions options;
    options.out = args.value(QStringLiteral("--out"));
    const int rows = args.number(QStringLiteral("--rows"), -1);
    options.openPassword = args.value(QStringLiteral("--open-password"));
    options.modifyPassword = args.value(QStringLiteral("--modify-password"));
    if (options.out.isEmpty() || rows < 0) {
        return usage();
    }
    const int repeat = std::max(1, args.number(QStringLiteral("--repeat"), 5));
    const std::vector<QStringList> texts = Bench::MakeSummaryRows(rows);
    std::vector<double> times;
    for (int i = 0; i < repeat; ++i) {
        times.push_back(Bench::TimeMs([&] { Bench::WriteSummaryWorkbook(options, texts); }));
    }
    Bench::PrintFigures({{"op", "xls"},
                         {"ms", Bench::Median(times)},
                         {"rows", rows},
                         {"bytes", QFileInfo(options.out).size()},
                         {"rss_mb", Bench::PeakRssMb()},
                         {"repeat", repeat}});
    return 0;
}
int runImportXls(const Arguments& args) {
    const QString db = args.value(QStringLiteral("--db"));
    const QString workbook = args.value(QStringLiteral("--xls"));
    if (db.isEmpty() || workbook.isEmpty()) {
        return usage();
    }
    const int repeat = std::max(1, args.number(QStringLiteral("--repeat"), 5));
    Bench::PrintFigures(Bench::RunWorkbookImport(db, workbook, repeat));
    return 0;
}

int runReadXls(const Arguments& args) {
    const QString workbook = args.value(QStringLiteral("--xls"));
    if (workbook.isEmpty()) {
        return usage();
    }
    const int repeat = std::max(1, args.number(QStringLiteral("--repeat"), 5));
    Bench::PrintFigures(Bench::RunWorkbookRead(workbook, repeat));
    return 0;
}

int runTrail(const Arguments& args, QJsonObject (*run)(const QString&, int)) {
    const QString db = args.value(QStringLiteral("--db"));
    if (db.isEmpty()) {
        return usage();
    }
    Bench::PrintFigures(run(db, std::max(1, args.number(QStringLiteral("--repeat"), 5))));
    return 0;
}

int runExport(const Arguments& args) {
    Bench::ExportOptions options;
    options.db = args.value(QStringLiteral("--db"));
    options.out = args.value(QStringLiteral("--out"));
    options.personal = args.value(QStringLiteral("--layout")) == u"personal";
    options.name = args.value(QStringLiteral("--name"));
    options.openPassword = args.value(QStringLiteral("--open-password"));
    options.modifyPassword = args.value(QStringLiteral("--modify-password"));
    options.keywords = args.positional;
    options.repeat = std::max(1, args.number(QStringLiteral("--repeat"), options.repeat));
    if (options.db.isEmpty() || options.out.isEmpty() || options.keywords.isEmpty()) {
        return usage();
    }
    Bench::PrintFigures(Bench::RunExport(options));
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const Arguments args = parse(app.arguments());
    try {
        if (args.command == u"seed") {
            return runSeed(args);
        }
        if (args.command == u"open") {
            return runOpen(args);
        }
        if (args.command == u"backup") {
            return runBackup(args);
        }
        if (args.command == u"search") {
            return runSearch(args);
        }
        if (args.command == u"import-db") {
            return runImportDb(args);
        }
        if (args.command == u"matrix") {
            return runMatrix(args);
        }
        if (args.command == u"import-xls") {
            return runImportXls(args);
        }
        if (args.command == u"read-xls") {
            return runReadXls(args);
        }
        if (args.command == u"export") {
            return runExport(args);
        }
        if (args.command == u"xls") {
            return runXls(args);
        }
        if (args.command == u"save") {
            return runTrail(args, Bench::RunEditorSave);
        }
        if (args.command == u"verify") {
            return runTrail(args, Bench::RunVerify);
        }
    } catch (const ado::Error& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Description()));
        return 1;
    } catch (const excel::Error& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Description()));
        return 1;
    }
    return usage();
}
