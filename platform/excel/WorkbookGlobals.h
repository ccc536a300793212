#pragma once

#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

namespace excel {

class ContinuedReader;
class RecordReader;
class StringTable;
struct Record;

// What the workbook part of a BIFF5 or BIFF8 stream, from its BOF record to its EOF, says
// about the sheets: their names and where their parts start, the date system, which cell
// formats show dates, and the shared strings (added to the StringTable, so that shared
// string i is text i there).
class WorkbookGlobals {
public:
    struct Sheet {
        QString name;
        qint64 offset; // of the sheet's BOF record in the stream
    };

    // Throws DamagedWorkbook, or EncryptedWorkbook at a FILEPASS record (ReadFailure.h).
    void Read(RecordReader& records, StringTable& strings);

    bool Biff8() const { return biff8_; }
    bool Date1904() const { return date1904_; }
    bool IsDateXf(std::uint16_t xf) const { return xf < xfDates_.size() && xfDates_[xf]; }
    std::uint32_t SharedStrings() const { return sharedStrings_; }
    // Worksheets only: chart, macro and module sheets are no Worksheets.
    const std::vector<Sheet>& Sheets() const { return sheets_; }

private:
    void version(RecordReader& records);
    void format(const Record& record);
    void sheet(const Record& record);
    void sharedStrings(RecordReader& records, const Record& sst, StringTable& strings);
    static void sharedString(ContinuedReader& data, StringTable& strings);
    void resolveDates();

    bool biff8_ = true;
    bool date1904_ = false;
    int codepage_ = 1252;
    std::vector<std::uint16_t> xfFormats_;
    QHash<std::uint16_t, bool> formatDates_; // by the id of a FORMAT record: shows a date
    std::vector<bool> xfDates_;
    std::uint32_t sharedStrings_ = 0;
    bool sstRead_ = false;
    std::vector<Sheet> sheets_;
};

} // namespace excel
