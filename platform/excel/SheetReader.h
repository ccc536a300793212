#pragma once

#include <QtGlobal>
#include <cstdint>
#include <optional>

namespace excel {

class RecordReader;
class SheetCells;
class StringTable;
class WorkbookGlobals;
struct Record;

// Reads the cells of one worksheet's part of the stream, from its BOF record to its EOF:
// numbers (dates where the cell's format shows one), texts, Booleans, errors, and the
// results formulas had when the file was saved. The part of a chart or macro sheet, and a
// chart's part inside a worksheet's, give no cells; blank cells give none either.
class SheetReader {
public:
    SheetReader(RecordReader& records, const WorkbookGlobals& globals, StringTable& strings,
                SheetCells& cells);

    // The part runs from `offset` to its EOF record, which must come before `end`, where
    // the next sheet's part starts: parts that overlap would give their cells twice. Throws
    // DamagedWorkbook when no BOF record starts at `offset`, for a part that runs past
    // `end`, and for a text cell that names a shared string the file lacks.
    void Read(qint64 offset, qint64 end);

private:
    // A formula whose result is a text: the STRING record after it holds the text.
    struct TextFormula {
        int row;
        int column;
    };

    void dispatch(const Record& current);
    void number(const Record& record);
    void rk(const Record& record);
    void multipleRk(const Record& record);
    void sharedText(const Record& record);
    void text(const Record& record);
    void booleanOrError(const Record& record);
    void formula(const Record& record);
    void formulaText(const Record& record, const TextFormula& formula);
    bool date(const Record& record, qsizetype xfAt = 4) const;

    RecordReader& records_;
    const WorkbookGlobals& globals_;
    StringTable& strings_;
    SheetCells& cells_;
    std::optional<TextFormula> textFormula_;
};

} // namespace excel
