#include "bench/MatrixBench.h"

#include "bench/BenchOutput.h"
#include "matrix/MatrixStore.h"
#include "platform/ado/Connection.h"
#include "platform/clock/Clock.h"
#include "store/AuditChange.h"
#include "store/ModuleDataBase.h"

#include <QFile>
#include <QTemporaryDir>
#include <random>

namespace Bench {
namespace {
const QStringList kAreas = {QStringLiteral("QA"), QStringLiteral("QC"), QStringLiteral("PR"),
                            QStringLiteral("EN"), QStringLiteral("WH"), QStringLiteral("AD")};
// Revisions as the seeded records hold them, and written otherwise.
const QStringList kRevisions = {QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("3"),
                                QStringLiteral("04"), QStringLiteral("五"), QStringLiteral("06")};

template <typename T> const T& pick(std::mt19937& random, const QList<T>& list) {
    return list.at(static_cast<qsizetype>(random() % static_cast<unsigned>(list.size())));
}

void addMasterList(ado::Connection& connection, int sops, int requirements) {
    std::mt19937 random(20261211);
    MatrixStore::EnsureTables(connection);
    Audit::Change change(connection, QStringLiteral("添加SOP文件"));
    QStringList numbers;
    for (int i = 0; i < sops; ++i) {
        Matrix::Sop sop;
        sop.number = QStringLiteral("SOP-%1-%2")
                         .arg(kAreas.at(i % kAreas.size()))
                         .arg(1 + i / kAreas.size(), 4, 10, QChar(u'0'));
        sop.name = QStringLiteral("规程%1").arg(i + 1);
        sop.revision = pick(random, kRevisions);
        sop.effective = QDate(2020, 1, 1).addDays(static_cast<qint64>(random() % 2500));
        if (random() % 3 != 0) {
            sop.refresherMonths = random() % 2 == 0 ? 12 : 24;
        }
        MatrixStore::SaveSop(connection, sop, change);
        numbers << sop.number;
    }
    const QStringList departments = MatrixStore::RegisterValues(connection, QStringLiteral("部门"));
    const QStringList positions = MatrixStore::RegisterValues(connection, QStringLiteral("职务"));
    for (int i = 0; i < requirements; ++i) {
        Matrix::Requirement requirement;
        requirement.department = random() % 2 == 0 ? pick(random, departments) : QString();
        requirement.position = random() % 2 == 0 ? pick(random, positions) : QString();
        requirement.sopNumber = pick(random, numbers);
        MatrixStore::SaveRequirement(connection, requirement, change);
    }
    change.Commit();
}
} // namespace

QJsonObject RunMatrix(const QString& db, int sops, int requirements, int repeat) {
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("data.db"));
    QFile::copy(db, copy);
    ado::Connection connection;
    if (!OpenDatabase(connection, copy)) {
        throw ado::Error(QStringLiteral("cannot open ") + copy);
    }
    if (MatrixStore::Sops(connection).empty()) {
        addMasterList(connection, sops, requirements);
    }
    std::vector<double> loading;
    std::vector<double> computing;
    Matrix::Input input;
    std::vector<Matrix::Cell> cells;
    for (int i = 0; i < repeat; ++i) {
        loading.push_back(TimeMs([&] { input = MatrixStore::Load(connection); }));
        computing.push_back(TimeMs([&] { cells = Matrix::Compute(input, Clock::Today()); }));
    }
    qsizetype notTrained = 0;
    for (const Matrix::Cell& cell : cells) {
        notTrained += cell.status != Matrix::Status::Trained ? 1 : 0;
    }
    return {{"op", "matrix"},
            {"load_ms", Median(loading)},
            {"compute_ms", Median(computing)},
            {"employees", static_cast<qint64>(input.employees.size())},
            {"sops", static_cast<qint64>(input.sops.size())},
            {"requirements", static_cast<qint64>(input.requirements.size())},
            {"records", static_cast<qint64>(input.records.size())},
            {"cells", static_cast<qint64>(cells.size())},
            {"not_trained", notTrained},
            {"peak_rss_mb", PeakRssMb()}};
}

} // namespace Bench
