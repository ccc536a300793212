#include "bench/TrailBench.h"

#include "bench/BenchOutput.h"
#include "integrity/TrailCheck.h"
#include "platform/ado/Connection.h"
#include "platform/ui/MessageBox.h"
#include "store/AuditTrail.h"
#include "store/ModuleDataBase.h"
#include "training/trainingAdd.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace Bench {
namespace {
constexpr int kRecord = 1;

// The editor's closing notice would wait for a person.
class SilentMessages : public ui::MessageService {
public:
    SilentMessages() : previous_(ui::SetMessageService(this)) {}
    ~SilentMessages() override { ui::SetMessageService(previous_); }
    ui::Answer Show(QWidget*, const QString&, ui::Icon, ui::Buttons) override {
        return ui::Answer::Ok;
    }

private:
    ui::MessageService* previous_;
};

double saveOnce(int round) {
    trainingAdd editor(kRecord);
    editor.Command4->setText(QStringLiteral("保存修改"));
    editor.Text2->setText(QStringLiteral("讲师%1").arg(round));
    return TimeMs([&] { editor.Command4_Click(); });
}

// The trail's own work in a save: the save's transaction and its commit are there anyway.
double trailOnce() {
    ado::Connection connection;
    OpenDatabase(connection);
    connection.BeginTrans();
    const double ms = TimeMs([&] {
        Audit::Trail trail(connection);
        const Audit::Row row = trail.Read(QStringLiteral("训练表"), kRecord);
        trail.Record(QStringLiteral("修改训练记录"), QStringLiteral("训练表"), kRecord, row, row);
    });
    connection.RollbackTrans();
    return ms;
}
} // namespace

QJsonObject RunEditorSave(const QString& db, int repeat) {
    QTemporaryDir scratch;
    DatabasePath = scratch.filePath(QStringLiteral("data.db"));
    QFile::copy(db, DatabasePath);
    Audit::EnsureTrail(DatabasePath);
    SilentMessages silent;
    std::vector<double> saves;
    std::vector<double> trail;
    for (int i = 0; i < repeat; ++i) {
        saves.push_back(saveOnce(i));
        trail.push_back(trailOnce());
    }
    return {{"op", "save"}, {"ms", Median(saves)}, {"trail_ms", Median(trail)}, {"repeat", repeat}};
}

QJsonObject RunVerify(const QString& db, int repeat) {
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("data.db"));
    QFile::copy(db, copy);
    const double baseline = TimeMs([&] { Audit::EnsureTrail(copy); });
    ado::Connection connection;
    connection.Open(ConnectionString(copy, QString::fromLatin1(kDefaultDatabasePassword)));
    std::vector<double> times;
    Audit::Verdict verdict;
    for (int i = 0; i < repeat; ++i) {
        times.push_back(TimeMs([&] { verdict = Audit::Verify(connection); }));
    }
    return {{"op", "verify"},           {"ms", Median(times)},     {"entries", verdict.entries},
            {"whole", verdict.Whole()}, {"baseline_ms", baseline}, {"rss_mb", PeakRssMb()}};
}

} // namespace Bench
