#include "import/DatabaseImport.h"

#include "platform/ado/AccessDate.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/ado/Statement.h"
#include "store/AuditTrail.h"
#include "store/ModuleDataBase.h"
#include "store/Schema.h"

#include <QDate>

namespace DatabaseImport {
namespace {
const QString kReplacementDate = QStringLiteral("2000-1-1");
const QString kAction = QStringLiteral("导入数据");
const QString kTrainingTable = QStringLiteral("训练表");

// Long text counts as text too: a Null participant list copied as Null would never equal
// the '' of the duplicate test, and every later import would copy the record again.
bool isTextType(int type) {
    return type == 129 || type == 130 || type == 200 || type == ado::adVarWChar || type == 8 ||
           type == ado::adLongVarWChar;
}

// The text of a date field as a date, if it is one.
std::optional<QDate> dateOf(const ado::Field& field) {
    const QVariant& value = field.Value();
    if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime) {
        return value.toDate();
    }
    if (const auto parsed = ado::ParseAccessDate(field.Text())) {
        return parsed->date();
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

int recordCount(ado::Connection& source) {
    ado::Recordset rs;
    rs.Open(QStringLiteral("select count(*) as n from 训练表"), source);
    return rs.Fields()[0].Value().toInt();
}

QString testFor(const ado::FieldList& f) {
    const std::optional<QDate> date = dateOf(f[QStringLiteral("训练时间")]);
    return DuplicateTest(f[QStringLiteral("SOP编号")].Text(), f[QStringLiteral("SOP名称")].Text(),
                         f[QStringLiteral("SOP版次")].Text(), f[QStringLiteral("参加人员")].Text(),
                         date.value_or(QDate(2000, 1, 1)).toString(QStringLiteral("yyyy-M-d")),
                         f[QStringLiteral("教育训练名称")].Text());
}

// Fields by position after id; a value the destination refuses leaves its field empty.
void copyFields(const ado::FieldList& from, ado::FieldList& to) {
    for (int i = 1; i < to.Count() && i < from.Count(); ++i) {
        try {
            const ado::Field& source = from[i];
            ado::Field& target = to[i];
            if (isTextType(source.Type())) {
                target.SetValue(source.Text());
            } else if (target.Name() == u"训练时间") {
                target.SetValue(dateOf(source) ? source.Value() : QVariant(kReplacementDate));
            } else {
                target.SetValue(source.Value());
            }
        } catch (const ado::Error&) {
        }
    }
}

// True when the record was copied.
bool copyIfNew(ado::Connection& own, Audit::Trail& trail, const ado::FieldList& source) {
    ado::Recordset twin;
    twin.Open(testFor(source), own, ado::adOpenKeyset, ado::adLockOptimistic);
    if (!twin.Eof()) {
        return false;
    }
    twin.AddNew();
    copyFields(source, twin.Fields());
    twin.Update();
    const qint64 id = ado::LastInsertId(own);
    trail.Record(kAction, kTrainingTable, id, {}, trail.Read(kTrainingTable, id));
    return true;
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
    try {
        records.Open(QStringLiteral("select * from 训练表"), source, ado::adOpenKeyset,
                     ado::adLockReadOnly);
        if (!sameLayout(records.Fields())) {
            return {Outcome::WrongLayout, {}};
        }
        progress.start(recordCount(source) + 1);
        own.BeginTrans();
    } catch (const ado::Error& error) {
        return {Outcome::Failed, error.Description()};
    }
    try {
        Audit::Trail trail(own);
        int added = 0;
        int skipped = 0;
        for (int k = 1; !records.Eof(); ++k) {
            progress.step(k);
            try {
                if (copyIfNew(own, trail, records.Fields())) {
                    ++added;
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
            }
            records.MoveNext();
        }
        trail.Event(QStringLiteral("导入数据汇总"),
                    {{"source", sourcePath}, {"added", added}, {"skipped", skipped}});
        own.CommitTrans();
        return {};
    } catch (const ado::Error& error) {
        try {
            own.RollbackTrans();
        } catch (const ado::Error&) {
        }
        return {Outcome::Failed, error.Description()};
    }
}

} // namespace DatabaseImport
