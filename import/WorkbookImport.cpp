#include "import/WorkbookImport.h"

#include "platform/ado/AccessDate.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/ado/Statement.h"
#include "platform/app/App.h"
#include "platform/app/Error.h"
#include "platform/app/Strings.h"
#include "platform/excel/Application.h"
#include "platform/excel/CellText.h"
#include "platform/excel/Error.h"
#include "platform/excel/Range.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Workbooks.h"
#include "platform/excel/Worksheet.h"
#include "platform/excel/Worksheets.h"
#include "store/AuditTrail.h"
#include "store/ModuleDataBase.h"

namespace WorkbookImport {
namespace {
const QString kSeparator = QStringLiteral("、");
const QString kAction = QStringLiteral("导入1.xls");
const QString kTrainingTable = QStringLiteral("训练表");

enum class Merge { Added, Extended, Unchanged };

// What the rows of the workbook did, for the import's summary entry.
struct Counts {
    int added = 0;
    int extended = 0;
    int skipped = 0;
    void Add(Merge merge) {
        switch (merge) {
        case Merge::Added:
            ++added;
            break;
        case Merge::Extended:
            ++extended;
            break;
        case Merge::Unchanged:
            ++skipped;
            break;
        }
    }
};

struct Training {
    QString department;
    bool flags[4] = {};
    std::optional<QDate> day;
    QString sopNumber;
    QString revision;
    QString sopName;
    QString course;
};

QString text(excel::Worksheet& sheet, const char* column, int row) {
    return Vb::Trim(
        excel::CellText(sheet.Range(QString::fromLatin1(column) + QString::number(row)).Value()));
}

QString curlyApostrophes(QString value) {
    return value.replace(u'\'', QChar(0x2019));
}

Training readRow(excel::Worksheet& sheet, int row) {
    Training training;
    training.department = text(sheet, "A", row);
    const char* marks[] = {"B", "C", "D", "E"};
    for (int i = 0; i < 4; ++i) {
        training.flags[i] = text(sheet, marks[i], row) == u"√";
    }
    if (const auto day = ado::ParseAccessDate(text(sheet, "F", row).replace(u'.', u'-'))) {
        training.day = day->date();
    }
    training.sopNumber = text(sheet, "G", row);
    training.revision = text(sheet, "H", row);
    training.sopName = curlyApostrophes(text(sheet, "I", row));
    training.course = curlyApostrophes(text(sheet, "J", row));
    return training;
}

void addTraining(ado::Recordset& rs, const Training& t, const QString& participant) {
    rs.AddNew();
    ado::FieldList& f = rs.Fields();
    f[QStringLiteral("部门")].SetValue(t.department);
    f[QStringLiteral("新进员工")].SetValue(t.flags[0]);
    f[QStringLiteral("法规")].SetValue(t.flags[1]);
    f[QStringLiteral("SOP")].SetValue(t.flags[2]);
    f[QStringLiteral("专业技术")].SetValue(t.flags[3]);
    if (t.day) {
        f[QStringLiteral("训练时间")].SetValue(*t.day);
    }
    f[QStringLiteral("SOP编号")].SetValue(t.sopNumber);
    f[QStringLiteral("SOP版次")].SetValue(t.revision);
    f[QStringLiteral("SOP名称")].SetValue(t.sopName);
    f[QStringLiteral("教育训练名称")].SetValue(t.course);
    f[QStringLiteral("参加人员")].SetValue(participant);
}

// The participant joins the list unless already named in it, in any letter case.
void addParticipant(ado::Field& participants, const QString& name) {
    const QString list = participants.Text();
    if ((kSeparator + list + kSeparator)
            .contains(kSeparator + name + kSeparator, Qt::CaseInsensitive)) {
        return;
    }
    // An empty list takes the name alone: no separator at either end.
    participants.SetValue(list.isEmpty() ? name : list + kSeparator + name);
}

Merge mergeRow(ado::Connection& own, Audit::Trail& trail, const Training& t,
               const QString& participant) {
    ado::Recordset rs;
    rs.Open(QStringLiteral("select * from 训练表 where SOP编号='") + SqlQuote(t.sopNumber) +
                QStringLiteral("' and SOP名称='") + SqlQuote(t.sopName) +
                QStringLiteral("' and 教育训练名称='") + SqlQuote(t.course) + u'\'',
            own, ado::adOpenKeyset, ado::adLockOptimistic);
    if (rs.Eof()) {
        addTraining(rs, t, participant);
        rs.Update();
        const qint64 id = ado::LastInsertId(own);
        trail.Record(kAction, kTrainingTable, id, {}, trail.Read(kTrainingTable, id));
        return Merge::Added;
    }
    const qint64 id = rs.Fields()[QStringLiteral("id")].Value().toLongLong();
    const Audit::Row before = trail.Read(kTrainingTable, id);
    addParticipant(rs.Fields()[QStringLiteral("参加人员")], participant);
    rs.Update();
    const Audit::Row after = trail.Read(kTrainingTable, id);
    if (after == before) {
        return Merge::Unchanged;
    }
    trail.Record(kAction, kTrainingTable, id, before, after);
    return Merge::Extended;
}

void importSheet(ado::Connection& own, Audit::Trail& trail, excel::Worksheet& sheet,
                 Counts& counts) {
    const QString participant = sheet.Name();
    const int last = sheet.UsedRange().Rows().Count();
    for (int row = kFirstRow; row <= last; ++row) {
        if (text(sheet, "A", row).isEmpty()) {
            continue;
        }
        const Training training = readRow(sheet, row);
        try {
            counts.Add(mergeRow(own, trail, training, participant));
        } catch (const ado::Error&) {
            counts.Add(Merge::Unchanged);
            // A row the file refuses is passed over; a failure that ended the transaction
            // ends the import, or the rows after it would stay alone.
            if (!own.InTransaction()) {
                throw;
            }
        }
    }
}
} // namespace

QString WorkbookPath() {
    return App::Path() + QStringLiteral("/1.xls");
}

DatabaseImport::Result Run(ado::Connection& own, const QString& workbook,
                           const DatabaseImport::Progress& progress) {
    excel::Application application;
    try {
        excel::Workbook& book = application.Workbooks().Open(workbook);
        excel::Worksheets& sheets = book.Worksheets();
        progress.start(sheets.Count() + 1);
        own.BeginTrans();
        try {
            Audit::Trail trail(own);
            Counts counts;
            for (int i = 1; i <= sheets.Count(); ++i) {
                progress.step(i);
                importSheet(own, trail, sheets.Item(i), counts);
            }
            trail.Event(QStringLiteral("导入1.xls汇总"), {{"source", workbook},
                                                          {"added", counts.added},
                                                          {"extended", counts.extended},
                                                          {"skipped", counts.skipped}});
            own.CommitTrans();
        } catch (...) {
            // After a failed write the engine may have ended the transaction itself; the
            // failure that did it is the one to report.
            App::IgnoringErrors([&own] {
                if (own.InTransaction()) {
                    own.RollbackTrans();
                }
            });
            throw;
        }
        book.Close();
        application.Quit();
        return {};
    } catch (const excel::Error& error) {
        return {DatabaseImport::Outcome::Failed, error.Description()};
    } catch (const ado::Error& error) {
        return {DatabaseImport::Outcome::Failed, error.Description()};
    } catch (const std::bad_alloc&) {
        return {DatabaseImport::Outcome::Failed, QStringLiteral("内存不足。")};
    }
}

} // namespace WorkbookImport
