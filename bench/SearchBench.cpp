#include "bench/SearchBench.h"

#include "bench/BenchOutput.h"
#include "platform/ado/AccessDialect.h"
#include "platform/ado/Connection.h"
#include "platform/ui/DatePicker.h"
#include "store/ModuleDataBase.h"
#include "training/SearchList.h"
#include "training/SearchQuery.h"
#include "training/fSearch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QProcess>

namespace Bench {
namespace {
// The statement the window runs, in the engine's own dialect, for the command-line tool.
QString sqliteStatement(const SearchOptions& options, const QString& keywords) {
    ado::Connection connection;
    if (!OpenDatabase(connection, options.db)) {
        return {};
    }
    std::optional<DateRange> range;
    if (!options.from.isEmpty()) {
        range = DateRange{QDate::fromString(options.from, Qt::ISODate),
                          QDate::fromString(options.to, Qt::ISODate)};
    }
    return ado::RewriteAccessSql(SearchQuery::Statement(connection, options.column,
                                                        SqlQuote(keywords), !options.exact, range));
}

double timeCli(const QString& db, const QString& sql) {
    const QByteArray script = "PRAGMA key='" + QByteArray(kDefaultDatabasePassword) +
                              "';\nPRAGMA cipher_compatibility = 3;\n" + sql.toUtf8() + ";\n";
    return TimeMs([&] {
        QProcess cli;
        cli.setStandardOutputFile(QProcess::nullDevice());
        cli.start(QStringLiteral("sqlcipher"), {db});
        cli.write(script);
        cli.closeWriteChannel();
        cli.waitForFinished(-1);
    });
}
} // namespace

QJsonObject RunSearch(const SearchOptions& options) {
    DatabasePath = options.db;
    const QString keywords = options.keywords.join(u' ');
    fSearch window(nullptr);
    window.resize(1280, 800);
    window.Combo1->setCurrentText(options.column);
    window.Combo2->setCurrentIndex(options.exact ? 1 : 0);
    if (!options.from.isEmpty()) {
        window.Check1->setChecked(true);
        window.DTPicker1->setDate(QDate::fromString(options.from, Qt::ISODate));
        window.DTPicker2->setDate(QDate::fromString(options.to, Qt::ISODate));
    }
    const double rssBefore = RssMb();
    std::vector<double> times;
    for (int i = 0; i < options.repeat; ++i) {
        window.ListView1->Model().Clear();
        times.push_back(TimeMs([&] { window.查询训练表(options.column, keywords); }));
    }
    const double rssAfter = RssMb();
    const double autofit = TimeMs([&] { window.Command4_Click(); });
    QJsonObject figures{
        {"op", "search"},        {"ms", Median(times)}, {"rows", window.ListView1->ItemCount()},
        {"autofit_ms", autofit}, {"rss_mb", rssAfter},  {"list_rss_mb", rssAfter - rssBefore}};
    if (options.compareWithCli) {
        const QString sql = sqliteStatement(options, keywords);
        std::vector<double> cli;
        for (int i = 0; i < options.repeat; ++i) {
            cli.push_back(timeCli(options.db, sql));
        }
        figures.insert("cli_ms", Median(cli));
        figures.insert("ratio", Median(times) / Median(cli));
    }
    return figures;
}

} // namespace Bench
