#include "matrix/MatrixRule.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace Matrix {
namespace {
QString key(const QString& text) {
    return text.trimmed().toCaseFolded();
}

// A revision's whole-number value, from digits or a Chinese numeral; nullopt otherwise.
std::optional<QString> numberOf(const QString& revision) {
    static const QString numerals = QStringLiteral("一二三四五六七八九十");
    const QString text = revision.trimmed();
    if (text.size() == 1 && numerals.contains(text.at(0))) {
        return QString::number(numerals.indexOf(text.at(0)) + 1);
    }
    if (text.isEmpty() ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        return std::nullopt;
    }
    // By its digits, without leading zeros, so any length compares.
    qsizetype first = 0;
    while (first < text.size() - 1 && text.at(first) == u'0') {
        ++first;
    }
    return text.mid(first);
}

QStringList participantKeys(const QString& participants) {
    QStringList keys;
    for (const QString& name : participants.split(QStringLiteral("、"))) {
        if (const QString k = key(name); !k.isEmpty()) {
            keys << k;
        }
    }
    return keys;
}

// The counting records of each employee (by name key) and SOP (by number key).
using RecordIndex = QHash<QString, QHash<QString, std::vector<int>>>;

RecordIndex indexRecords(const std::vector<TrainingRecord>& records) {
    RecordIndex index;
    for (int i = 0; i < static_cast<int>(records.size()); ++i) {
        const TrainingRecord& record = records[static_cast<size_t>(i)];
        if (!record.date.isValid()) {
            continue;
        }
        const QString sop = key(record.sopNumber);
        for (const QString& name : participantKeys(record.participants)) {
            std::vector<int>& list = index[name][sop];
            // A name listed twice in one record counts once.
            if (list.empty() || list.back() != i) {
                list.push_back(i);
            }
        }
    }
    return index;
}

void evaluate(Cell& cell, const Sop* sop, const std::vector<TrainingRecord>& records,
              const QDate& today) {
    auto later = [&records](int a, int b) {
        return records[static_cast<size_t>(a)].date > records[static_cast<size_t>(b)].date;
    };
    std::stable_sort(cell.records.begin(), cell.records.end(), later);
    if (cell.records.empty()) {
        cell.status = Status::Untrained;
        return;
    }
    // Without an entry in the master list every revision is the one in force.
    const auto current = std::find_if(cell.records.begin(), cell.records.end(), [&](int r) {
        return sop == nullptr ||
               SameRevision(records[static_cast<size_t>(r)].revision, sop->revision);
    });
    const TrainingRecord& shown = records[static_cast<size_t>(
        current != cell.records.end() ? *current : cell.records.front())];
    cell.lastDate = shown.date;
    cell.lastRevision = shown.revision;
    if (current == cell.records.end()) {
        const bool notYetInForce = sop->effective.isValid() && today < sop->effective;
        cell.status = notYetInForce ? Status::NewRevisionPending : Status::RevisionNotUpdated;
    } else if (sop != nullptr && sop->refresherMonths &&
               shown.date.addMonths(*sop->refresherMonths) < today) {
        cell.status = Status::RefresherOverdue;
    } else {
        cell.status = Status::Trained;
    }
}
} // namespace

QString StatusText(Status status) {
    switch (status) {
    case Status::Untrained:
        return QStringLiteral("未培训");
    case Status::NewRevisionPending:
        return QStringLiteral("新版待培训");
    case Status::RevisionNotUpdated:
        return QStringLiteral("版次未更新");
    case Status::RefresherOverdue:
        return QStringLiteral("复训逾期");
    case Status::Trained:
        return QStringLiteral("合格");
    }
    return {};
}

bool SameRevision(const QString& a, const QString& b) {
    if (key(a) == key(b)) {
        return true;
    }
    const std::optional<QString> first = numberOf(a);
    const std::optional<QString> second = numberOf(b);
    return first && second && *first == *second;
}

bool Applies(const Requirement& requirement, const Employee& employee) {
    const QString department = key(requirement.department);
    const QString position = key(requirement.position);
    return (department.isEmpty() || department == key(employee.department)) &&
           (position.isEmpty() || position == key(employee.position));
}

bool CodePointLess(const QString& a, const QString& b) {
    const QList<uint> x = a.toUcs4();
    const QList<uint> y = b.toUcs4();
    return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end());
}

std::vector<Cell> Compute(const Input& input, const QDate& today) {
    QHash<QString, const Sop*> sops;
    for (const Sop& sop : input.sops) {
        sops.insert(key(sop.number), &sop);
    }
    const RecordIndex index = indexRecords(input.records);
    std::vector<Cell> cells;
    for (int e = 0; e < static_cast<int>(input.employees.size()); ++e) {
        const Employee& employee = input.employees[static_cast<size_t>(e)];
        const auto own = index.constFind(key(employee.name));
        QSet<QString> seen;
        for (const Requirement& requirement : input.requirements) {
            const QString sopKey = key(requirement.sopNumber);
            if (sopKey.isEmpty() || seen.contains(sopKey) || !Applies(requirement, employee)) {
                continue;
            }
            seen.insert(sopKey);
            const Sop* sop = sops.value(sopKey, nullptr);
            Cell cell;
            cell.employee = e;
            cell.sopNumber = sop != nullptr ? sop->number : requirement.sopNumber.trimmed();
            if (own != index.constEnd()) {
                cell.records = own->value(sopKey);
            }
            evaluate(cell, sop, input.records, today);
            cells.push_back(std::move(cell));
        }
    }
    std::sort(cells.begin(), cells.end(), [&input](const Cell& a, const Cell& b) {
        const QString& nameA = input.employees[static_cast<size_t>(a.employee)].name;
        const QString& nameB = input.employees[static_cast<size_t>(b.employee)].name;
        if (nameA != nameB) {
            return CodePointLess(nameA, nameB);
        }
        if (a.sopNumber != b.sopNumber) {
            return CodePointLess(a.sopNumber, b.sopNumber);
        }
        return a.employee < b.employee;
    });
    return cells;
}

} // namespace Matrix
