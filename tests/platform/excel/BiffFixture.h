#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Workbook files built record by record, for what no writer at hand produces: formula
// results, RK numbers, strings broken across CONTINUE records, the 1904 date system, the
// date formats of Chinese Excel, BIFF5 in a code page, damage.
namespace biff {

QByteArray U8(int value);
QByteArray U16(int value);
QByteArray U32(quint32 value);
QByteArray F64(double value);
QByteArray Record(int type, const QByteArray& body = {});
QByteArray Continue(const QByteArray& body);

// Strings with a 16-bit count: BIFF8 compressed (Latin-1) or UTF-16, and BIFF5 bytes.
QByteArray Compressed(const QByteArray& latin1);
QByteArray Wide(const QString& text);
QByteArray Bytes8(const QByteArray& bytes);

// Cell format records (BIFF8: 20 bytes, BIFF5: 16), one for each number format id.
QByteArray Xfs(const std::vector<int>& formatIds, bool biff8 = true);
QByteArray Format(int id, const QString& code);
QByteArray Sst(const QByteArray& strings, int count);

// Cell records: row, column and cell format first.
QByteArray Number(int row, int column, int xf, double value);
QByteArray Rk(int row, int column, int xf, quint32 rk);
QByteArray MulRk(int row, int column, const std::vector<std::pair<int, quint32>>& cells);
QByteArray LabelSst(int row, int column, int xf, quint32 index);
QByteArray Label(int row, int column, int xf, const QByteArray& string);
QByteArray BoolErr(int row, int column, int xf, int value, bool error);
// A formula (=1, any formula will do) with its cached result's 8 bytes.
QByteArray Formula(int row, int column, int xf, const QByteArray& result);
QByteArray FormulaNumber(double value);
// The special results: 0 text (a STRING record follows), 1 Boolean, 2 error, 3 empty text.
QByteArray FormulaSpecial(int kind, int value = 0);

struct Sheet {
    QString name;
    QByteArray records; // between the sheet's BOF and EOF
    int type = 0;       // of the BOUNDSHEET record: 0 worksheet, 2 chart
};
struct Book {
    QByteArray globals; // between the workbook's BOF and its BOUNDSHEET records
    std::vector<Sheet> sheets;
    bool biff8 = true;
};

// BOF, globals, a BOUNDSHEET for each sheet at its part's offset, EOF, then the parts.
QByteArray Stream(const Book& book);
// The stream as "Workbook" (or BIFF5's "Book") of a compound file.
QByteArray File(const QByteArray& stream, const QString& streamName = QStringLiteral("Workbook"));
bool Save(const QString& path, const QByteArray& bytes);

} // namespace biff
