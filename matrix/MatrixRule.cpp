#include "matrix/MatrixRule.h"

#include <QHash>
#include <algorithm>

namespace Matrix {
namespace {
QString key(const QString& text) {
    return text.trimmed().toCaseFolded();
}

// A revision's whole-number value, from digits or a Chinese numeral; empty otherwise.
QString numberOf(const QString& revision) {
    static const QString numerals = QStringLiteral("一二三四五六七八九十");
    const QString text = revision.trimmed();
    if (text.size() == 1 && numerals.contains(text.at(0))) {
        return QString::number(numerals.indexOf(text.at(0)) + 1);
    }
    if (text.isEmpty() ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        return {};
    }
    // By its digits, without leading zeros, so any length compares.
    qsizetype first = 0;
    while (first < text.size() - 1 && text.at(first) == u'0') {
        ++first;
    }
    return text.mid(first);
}

// A revision as it is compared: its text key and its number, worked out once.
struct Revision {
    QString text;
    QString number;
    explicit Revision(const QString& revision) : text(key(revision)), number(numberOf(revision)) {}
    bool operator==(const Revision& other) const {
        return text == other.text || (!number.isEmpty() && number == other.number);
    }
};

// Everything the rule compares, made comparable once: SOP numbers become small integers.
class Prepared {
public:
    explicit Prepared(const Input& input) : input_(input) {
        for (const Sop& sop : input.sops) {
            const int id = sopId(sop.number);
            sops_.insert(id, &sop);
            current_.insert(id, Revision(sop.revision));
        }
        for (const Requirement& requirement : input.requirements) {
            const QString number = requirement.sopNumber.trimmed();
            if (number.isEmpty()) {
                continue;
            }
            const int id = sopId(number);
            required_[{key(requirement.department), key(requirement.position)}].push_back(id);
        }
        for (int e = 0; e < static_cast<int>(input.employees.size()); ++e) {
            employeesByName_[key(input.employees[static_cast<size_t>(e)].name)].push_back(e);
        }
        recordsOf_.resize(input.employees.size());
        for (int r = 0; r < static_cast<int>(input.records.size()); ++r) {
            indexRecord(r);
        }
    }

    // The SOPs the employee's post requires, each once, in the order the requirements list them.
    std::vector<int> RequiredBy(const Employee& employee) const {
        const QString department = key(employee.department);
        const QString position = key(employee.position);
        std::vector<int> ids;
        for (const auto& place :
             {qMakePair(QString(), QString()), qMakePair(department, QString()),
              qMakePair(QString(), position), qMakePair(department, position)}) {
            for (const int id : required_.value(place)) {
                if (std::find(ids.begin(), ids.end(), id) == ids.end()) {
                    ids.push_back(id);
                }
            }
            if (department.isEmpty() && position.isEmpty()) {
                break; // the other three places are the same one
            }
        }
        return ids;
    }

    // The employee's counting records of each SOP.
    QHash<int, std::vector<int>> RecordsOf(int employee, const std::vector<int>& sops) const {
        QHash<int, std::vector<int>> bySop;
        for (const int id : sops) {
            bySop.insert(id, {});
        }
        for (const int r : recordsOf_[static_cast<size_t>(employee)]) {
            const auto found = bySop.find(recordSop_[static_cast<size_t>(r)]);
            if (found != bySop.end()) {
                found->push_back(r);
            }
        }
        return bySop;
    }

    const Sop* SopOf(int id) const { return sops_.value(id, nullptr); }
    QString NumberOf(int id) const { return numbers_.at(id); }
    bool IsCurrent(int record, int id) const {
        const auto current = current_.constFind(id);
        return current == current_.constEnd() ||
               Revision(input_.records[static_cast<size_t>(record)].revision) == *current;
    }

private:
    int sopId(const QString& number) {
        const QString k = key(number);
        const auto found = sopIds_.constFind(k);
        if (found != sopIds_.constEnd()) {
            return *found;
        }
        const int id = static_cast<int>(numbers_.size());
        sopIds_.insert(k, id);
        numbers_.push_back(number.trimmed());
        return id;
    }

    void indexRecord(int r) {
        const TrainingRecord& record = input_.records[static_cast<size_t>(r)];
        recordSop_.push_back(sopId(record.sopNumber));
        if (!record.date.isValid()) {
            return;
        }
        for (const QStringView name : QStringView(record.participants).split(u'、')) {
            const auto employees = employeesByName_.constFind(key(name.toString()));
            if (employees == employeesByName_.constEnd()) {
                continue;
            }
            for (const int e : *employees) {
                std::vector<int>& own = recordsOf_[static_cast<size_t>(e)];
                // A name listed twice in one record counts once.
                if (own.empty() || own.back() != r) {
                    own.push_back(r);
                }
            }
        }
    }

    const Input& input_;
    QHash<QString, int> sopIds_;
    QStringList numbers_;
    QHash<int, const Sop*> sops_;
    QHash<int, Revision> current_;
    QHash<QPair<QString, QString>, std::vector<int>> required_;
    QHash<QString, std::vector<int>> employeesByName_;
    std::vector<std::vector<int>> recordsOf_;
    std::vector<int> recordSop_;
};

void evaluate(Cell& cell, const Prepared& prepared, int sopId, const Input& input,
              const QDate& today) {
    const std::vector<TrainingRecord>& records = input.records;
    std::stable_sort(cell.records.begin(), cell.records.end(), [&records](int a, int b) {
        return records[static_cast<size_t>(a)].date > records[static_cast<size_t>(b)].date;
    });
    if (cell.records.empty()) {
        cell.status = Status::Untrained;
        return;
    }
    // Without an entry in the master list every revision is the one in force.
    const auto current = std::find_if(cell.records.begin(), cell.records.end(),
                                      [&](int r) { return prepared.IsCurrent(r, sopId); });
    const TrainingRecord& shown = records[static_cast<size_t>(
        current != cell.records.end() ? *current : cell.records.front())];
    cell.lastDate = shown.date;
    cell.lastRevision = shown.revision;
    const Sop* sop = prepared.SopOf(sopId);
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

// UTF-16 code units in code-point order: only surrogates and U+E000..U+FFFF swap places.
int codePointRank(char16_t unit) {
    if (unit >= 0xE000) {
        return unit - 0x800;
    }
    if (unit >= 0xD800) {
        return unit + 0x2000;
    }
    return unit;
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
    return Revision(a) == Revision(b);
}

bool CodePointLess(const QString& a, const QString& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](QChar x, QChar y) { return codePointRank(x.unicode()) < codePointRank(y.unicode()); });
}

std::vector<Cell> Compute(const Input& input, const QDate& today) {
    const Prepared prepared(input);
    std::vector<int> employees(input.employees.size());
    for (int e = 0; e < static_cast<int>(employees.size()); ++e) {
        employees[static_cast<size_t>(e)] = e;
    }
    std::stable_sort(employees.begin(), employees.end(), [&input](int a, int b) {
        return CodePointLess(input.employees[static_cast<size_t>(a)].name,
                             input.employees[static_cast<size_t>(b)].name);
    });
    std::vector<Cell> cells;
    for (const int e : employees) {
        std::vector<int> sops = prepared.RequiredBy(input.employees[static_cast<size_t>(e)]);
        std::sort(sops.begin(), sops.end(), [&prepared](int a, int b) {
            return CodePointLess(prepared.NumberOf(a), prepared.NumberOf(b));
        });
        QHash<int, std::vector<int>> records = prepared.RecordsOf(e, sops);
        for (const int id : sops) {
            const Sop* sop = prepared.SopOf(id);
            Cell cell;
            cell.employee = e;
            cell.sopNumber = sop != nullptr ? sop->number : prepared.NumberOf(id);
            cell.records = std::move(records[id]);
            evaluate(cell, prepared, id, input, today);
            cells.push_back(std::move(cell));
        }
    }
    return cells;
}

} // namespace Matrix
