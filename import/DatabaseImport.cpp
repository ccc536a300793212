#include "import/DatabaseImport.h"

#include "import/SourceCheck.h"
#include "platform/ado/AccessDate.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/ado/Statement.h"
#include "platform/app/Error.h"
#include "store/AuditTrail.h"
#include "store/ModuleDataBase.h"
#include "store/Schema.h"

#include <QDate>
#include <optional>

namespace DatabaseImport {
namespace {
const QString kReplacementDate = QStringLiteral("2000-1-1");
// No step of reading another file may keep the program waiting longer.
constexpr int kSourceStepLimitMs = 20000;
const QString kAction = QStringLiteral("导入数据");
const QString kTrainingTable = QStringLiteral("训练表");

bool isTextType(int type) {
    return type == ado::adVarWChar || type == ado::adLongVarWChar;
}

// A date field's value as a date, or nullopt when it holds none.
std::optional<QVariant> dateOf(const ado::Field& field) {
    const QVariant& value = field.Value();
    if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime) {
        return value;
    }
    if (const auto parsed = ado::ParseAccessDate(field.Text())) {
        return QVariant(*parsed);
    }
    return std::nullopt;
}

bool sameLayout(const ado::FieldList& fields) {
    const QStringList expected = Schema::TrainingFields();
    if (fields.Count() < expected.size()) {
        return false;
    }
    for (int i = 0; i < expected.size(); ++i) {
        if (fields[i].Name().compare(expected[i], Qt::CaseInsensitive) != 0) {
            return false;
        }
    }
    return true;
}

QStringList fieldNames(const ado::FieldList& fields) {
    QStringList names;
    for (int i = 0; i < fields.Count(); ++i) {
        names << fields[i].Name();
    }
    return names;
}

int recordCount(ado::Connection& source) {
    ado::Recordset rs;
    rs.Open(QStringLiteral("select count(*) as n from 训练表"), source);
    return rs.Fields()[0].Value().toInt();
}

// The date as the copy holds it, in the form a date literal takes.
QString storedDate(const ado::Field& field) {
    const QVariant& value = field.Value();
    if (value.typeId() == QMetaType::QDateTime) {
        return value.toDateTime().toString(QStringLiteral("yyyy-M-d H:mm:ss"));
    }
    return value.toDate().toString(QStringLiteral("yyyy-M-d"));
}

// The test is built from the values the copy will store, so that a record once copied is
// found again whatever form the source held it in.
QString testFor(const ado::FieldList& f) {
    return DuplicateTest(f[QStringLiteral("SOP编号")].Text(), f[QStringLiteral("SOP名称")].Text(),
                         f[QStringLiteral("SOP版次")].Text(), f[QStringLiteral("参加人员")].Text(),
                         storedDate(f[QStringLiteral("训练时间")]),
                         f[QStringLiteral("教育训练名称")].Text());
}

// Fields by position after id. Texts are never Null, so that the duplicate test's
// comparison with '' finds them; a value the destination refuses leaves its field empty.
void copyFields(const ado::FieldList& from, ado::FieldList& to) {
    for (int i = 1; i < to.Count() && i < from.Count(); ++i) {
        try {
            const ado::Field& source = from[i];
            ado::Field& target = to[i];
            if (isTextType(target.Type())) {
                target.SetValue(source.Text());
            } else if (target.Name() == u"训练时间") {
                target.SetValue(dateOf(source).value_or(QVariant(kReplacementDate)));
            } else {
                target.SetValue(source.Value());
            }
        } catch (const ado::Error&) {
        }
    }
}

// True when the record was copied, with its trail entry.
bool copyIfNew(ado::Connection& own, Audit::Trail& trail, ado::Recordset& added,
               const ado::FieldList& source) {
    added.AddNew();
    copyFields(source, added.Fields());
    ado::Recordset twin;
    twin.Open(testFor(added.Fields()), own, ado::adOpenKeyset, ado::adLockReadOnly);
    if (!twin.Eof()) {
        added.CancelUpdate();
        return false;
    }
    added.Update();
    const qint64 id = ado::LastInsertId(own);
    trail.Record(kAction, kTrainingTable, id, {}, trail.Read(kTrainingTable, id));
    return true;
}

// Opens `records` on the source's training table; a result when the source is refused.
// Every check comes before the first record is read.
std::optional<Result> openSource(ado::Connection& source, ado::Recordset& records) {
    source.LimitEachStep(kSourceStepLimitMs);
    if (QString refusal = SourceCheck::SchemaRefusal(source); !refusal.isEmpty()) {
        return Result{Outcome::Refused, refusal};
    }
    ado::Recordset layout;
    layout.Open(QStringLiteral("select * from 训练表 where 1=0"), source);
    if (!sameLayout(layout.Fields())) {
        return Result{Outcome::WrongLayout, {}};
    }
    if (QString refusal = SourceCheck::ValueRefusal(source, fieldNames(layout.Fields()));
        !refusal.isEmpty()) {
        return Result{Outcome::Refused, refusal};
    }
    records.Open(QStringLiteral("select * from 训练表"), source, ado::adOpenKeyset,
                 ado::adLockReadOnly);
    return std::nullopt;
}

void rollBackQuietly(ado::Connection& own) {
    // The first failure is the one to report, not the rollback's own.
    App::IgnoringErrors([&own] {
        if (own.InTransaction()) {
            own.RollbackTrans();
        }
    });
}
} // namespace

QString DuplicateTest(const QString& sopNumber, const QString& sopName, const QString& revision,
                      const QString& participants, const QString& date, const QString& course) {
    return QStringLiteral("select * from 训练表 where SOP编号='") + SqlQuote(sopNumber) +
           QStringLiteral("' and SOP名称='") + SqlQuote(sopName) +
           QStringLiteral("'  and SOP版次='") + SqlQuote(revision) +
           QStringLiteral("' and 参加人员='") + SqlQuote(participants) +
           QStringLiteral("' and 训练时间=#") + date + QStringLiteral("# and 教育训练名称='") +
           SqlQuote(course) + u'\'';
}

Result Run(ado::Connection& own, ado::Connection& source, const QString& sourcePath,
           const Progress& progress) {
    ado::Recordset records;
    ado::Recordset added;
    try {
        if (const std::optional<Result> refused = openSource(source, records)) {
            return *refused;
        }
        progress.start(recordCount(source) + 1);
        own.BeginTrans();
        added.Open(QStringLiteral("select * from 训练表 where 1=0"), own, ado::adOpenKeyset,
                   ado::adLockOptimistic);
    } catch (const ado::Error& error) {
        rollBackQuietly(own);
        return {Outcome::Failed, error.Description()};
    }
    try {
        Audit::Trail trail(own);
        int copied = 0;
        int skipped = 0;
        for (int k = 1; !records.Eof(); ++k) {
            progress.step(k);
            try {
                if (copyIfNew(own, trail, added, records.Fields())) {
                    ++copied;
                } else {
                    ++skipped;
                }
            } catch (const ado::Error&) {
                ++skipped;
                // A record the file refuses is passed over; a failure that ended the
                // transaction ends the import, or the records after it would stay alone.
                if (!own.InTransaction()) {
                    throw;
                }
                added.CancelUpdate();
            }
            records.MoveNext();
        }
        trail.Event(QStringLiteral("导入数据汇总"),
                    {{"source", sourcePath}, {"added", copied}, {"skipped", skipped}});
        own.CommitTrans();
        return {};
    } catch (const ado::Error& error) {
        rollBackQuietly(own);
        return {Outcome::Failed, error.Description()};
    } catch (const std::bad_alloc&) {
        rollBackQuietly(own);
        return {Outcome::Failed, QStringLiteral("内存不足。")};
    }
}

} // namespace DatabaseImport
