#include "BiffFixture.h"

#include "platform/excel/CompoundFile.h"

#include <QFile>
#include <QtEndian>
#include <cstring>

namespace biff {
namespace {
constexpr int kBof = 0x0809;
constexpr int kEof = 0x000A;
constexpr int kBoundSheet = 0x0085;

QByteArray bof(bool biff8, int part) {
    return Record(kBof,
                  U16(biff8 ? 0x0600 : 0x0500) + U16(part) + QByteArray(biff8 ? 12 : 4, '\0'));
}

QByteArray cell(int type, int row, int column, int xf, const QByteArray& rest) {
    return Record(type, U16(row) + U16(column) + U16(xf) + rest);
}

QByteArray boundSheet(quint32 offset, const Sheet& sheet, bool biff8) {
    const QByteArray name = biff8 ? Wide(sheet.name).mid(2) : sheet.name.toLatin1();
    return Record(kBoundSheet,
                  U32(offset) + U8(0) + U8(sheet.type) + U8(int(sheet.name.size())) + name);
}
} // namespace

QByteArray U8(int value) {
    return QByteArray(1, static_cast<char>(value));
}

QByteArray U16(int value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian<quint16>(static_cast<quint16>(value), bytes.data());
    return bytes;
}

QByteArray U32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian<quint32>(value, bytes.data());
    return bytes;
}

QByteArray F64(double value) {
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray bytes(8, '\0');
    qToLittleEndian<quint64>(bits, bytes.data());
    return bytes;
}

QByteArray Record(int type, const QByteArray& body) {
    return U16(type) + U16(int(body.size())) + body;
}

QByteArray Continue(const QByteArray& body) {
    return Record(0x003C, body);
}

QByteArray Compressed(const QByteArray& latin1) {
    return U16(int(latin1.size())) + U8(0) + latin1;
}

QByteArray Wide(const QString& text) {
    QByteArray units(text.size() * 2, '\0');
    qToLittleEndian<char16_t>(text.utf16(), text.size(), units.data());
    return U16(int(text.size())) + U8(1) + units;
}

QByteArray Bytes8(const QByteArray& bytes) {
    return U16(int(bytes.size())) + bytes;
}

QByteArray Xfs(const std::vector<int>& formatIds, bool biff8) {
    QByteArray records;
    for (const int id : formatIds) {
        records += Record(0x00E0, U16(0) + U16(id) + QByteArray(biff8 ? 16 : 12, '\0'));
    }
    return records;
}

QByteArray Format(int id, const QString& code) {
    return Record(0x041E, U16(id) + Wide(code));
}

QByteArray Sst(const QByteArray& strings, int count) {
    return Record(0x00FC, U32(quint32(count)) + U32(quint32(count)) + strings);
}

QByteArray Number(int row, int column, int xf, double value) {
    return cell(0x0203, row, column, xf, F64(value));
}

QByteArray Rk(int row, int column, int xf, quint32 rk) {
    return cell(0x027E, row, column, xf, U32(rk));
}

QByteArray MulRk(int row, int column, const std::vector<std::pair<int, quint32>>& cells) {
    QByteArray body = U16(row) + U16(column);
    for (const auto& [xf, rk] : cells) {
        body += U16(xf) + U32(rk);
    }
    return Record(0x00BD, body + U16(column + int(cells.size()) - 1));
}

QByteArray LabelSst(int row, int column, int xf, quint32 index) {
    return cell(0x00FD, row, column, xf, U32(index));
}

QByteArray Label(int row, int column, int xf, const QByteArray& string) {
    return cell(0x0204, row, column, xf, string);
}

QByteArray BoolErr(int row, int column, int xf, int value, bool error) {
    return cell(0x0205, row, column, xf, U8(value) + U8(error ? 1 : 0));
}

QByteArray Formula(int row, int column, int xf, const QByteArray& result) {
    // Flags, a cache field, then the tokens: a one-byte integer constant 1.
    return cell(0x0006, row, column, xf, result + U16(0) + U32(0) + U16(3) + U8(0x1E) + U16(1));
}

QByteArray FormulaNumber(double value) {
    return F64(value);
}

QByteArray FormulaSpecial(int kind, int value) {
    return U8(kind) + U8(0) + U8(value) + QByteArray(3, '\0') + U16(0xFFFF);
}

QByteArray Stream(const Book& book) {
    const QByteArray globalsBof = bof(book.biff8, 0x0005);
    qsizetype listings = 0;
    for (const Sheet& sheet : book.sheets) {
        listings += boundSheet(0, sheet, book.biff8).size();
    }
    qsizetype offset = globalsBof.size() + book.globals.size() + listings + Record(kEof).size();
    QByteArray listed;
    QByteArray parts;
    for (const Sheet& sheet : book.sheets) {
        listed += boundSheet(quint32(offset + parts.size()), sheet, book.biff8);
        parts += bof(book.biff8, sheet.type == 2 ? 0x0020 : 0x0010) + sheet.records + Record(kEof);
    }
    return globalsBof + book.globals + listed + Record(kEof) + parts;
}

QByteArray File(const QByteArray& stream, const QString& streamName) {
    const excel::CompoundFileParts parts = excel::CompoundFileAround(streamName, stream.size());
    return parts.head + stream + parts.tail;
}

bool Save(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace biff
