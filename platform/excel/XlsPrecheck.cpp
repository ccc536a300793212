#include "platform/excel/XlsPrecheck.h"

#include <QtEndian>
#include <optional>
#include <vector>

namespace excel {
namespace {
constexpr qsizetype kHeaderSize = 512;
constexpr qsizetype kEntrySize = 128;
constexpr qsizetype kNameField = 64;
constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kLastRegularSector = 0xFFFFFFF9;
constexpr int kHeaderFatEntries = 109;
constexpr int kStreamEntry = 2;
// The most data bytes a record of any BIFF version may carry.
constexpr int kLongestRecord = 8224;

// A compound file as far as the checks need it; every read is bounds-checked and every
// chain is cut off after as many links as the file has sectors.
class CompoundFile {
public:
    explicit CompoundFile(const QByteArray& file) : file_(file) {}

    bool Load() {
        if (!has(0, kHeaderSize)) {
            return false;
        }
        const int shift = u16(0x1E);
        const int miniShift = u16(0x20);
        if ((shift != 9 && shift != 12) || miniShift < 1 || miniShift >= shift) {
            return false;
        }
        sectorSize_ = qsizetype(1) << shift;
        miniSectorSize_ = qsizetype(1) << miniShift;
        sectorCount_ = (file_.size() - kHeaderSize) / sectorSize_ + 1;
        return loadFat() && readChain(u32(0x30), directory_) && readChain(u32(0x3C), miniFat_);
    }

    bool NamesFit() const {
        for (qsizetype entry = 0; entry + kEntrySize <= directory_.size(); entry += kEntrySize) {
            if (u16(directory_, entry + kNameField) > kNameField) {
                return false;
            }
        }
        return true;
    }

    // The Workbook (BIFF8) or Book (BIFF5) stream; nullopt when it cannot be read whole.
    std::optional<QByteArray> WorkbookStream() const {
        for (qsizetype entry = 0; entry + kEntrySize <= directory_.size(); entry += kEntrySize) {
            const QString name = QString::fromUtf16(
                reinterpret_cast<const char16_t*>(directory_.constData() + entry),
                std::max(0, u16(directory_, entry + kNameField) / 2 - 1));
            if (directory_[entry + 66] == kStreamEntry &&
                (name == u"Workbook" || name == u"Book")) {
                return stream(u32(directory_, entry + 116), u32(directory_, entry + 120));
            }
        }
        return QByteArray();
    }

private:
    bool has(qsizetype at, qsizetype size) const {
        return at >= 0 && size >= 0 && at + size <= file_.size();
    }
    int u16(qsizetype at) const { return qFromLittleEndian<quint16>(file_.constData() + at); }
    quint32 u32(qsizetype at) const { return qFromLittleEndian<quint32>(file_.constData() + at); }
    static int u16(const QByteArray& bytes, qsizetype at) {
        return qFromLittleEndian<quint16>(bytes.constData() + at);
    }
    static quint32 u32(const QByteArray& bytes, qsizetype at) {
        return qFromLittleEndian<quint32>(bytes.constData() + at);
    }
    qsizetype offsetOf(quint32 sector) const {
        return kHeaderSize + qsizetype(sector) * sectorSize_;
    }

    bool loadFat() {
        const quint32 fatCount = u32(0x2C);
        std::vector<quint32> fatSectors;
        for (int i = 0; i < kHeaderFatEntries && fatSectors.size() < fatCount; ++i) {
            fatSectors.push_back(u32(0x4C + 4 * i));
        }
        quint32 difat = u32(0x44);
        for (qsizetype guard = 0; fatSectors.size() < fatCount; ++guard) {
            if (difat > kLastRegularSector || guard > sectorCount_ ||
                !has(offsetOf(difat), sectorSize_)) {
                return false;
            }
            for (qsizetype at = 0; at + 4 < sectorSize_ && fatSectors.size() < fatCount; at += 4) {
                fatSectors.push_back(u32(offsetOf(difat) + at));
            }
            difat = u32(offsetOf(difat) + sectorSize_ - 4);
        }
        for (const quint32 sector : fatSectors) {
            if (sector > kLastRegularSector || !has(offsetOf(sector), sectorSize_)) {
                return false;
            }
            fat_ += file_.mid(offsetOf(sector), sectorSize_);
        }
        return true;
    }

    // The sectors of a chain one after another; false for a broken chain.
    bool readChain(quint32 sector, QByteArray& into) const {
        for (qsizetype guard = 0; sector != kEndOfChain; ++guard) {
            if (sector > kLastRegularSector || guard > sectorCount_ ||
                !has(offsetOf(sector), sectorSize_) || 4 * qsizetype(sector) + 4 > fat_.size()) {
                return false;
            }
            into += file_.mid(offsetOf(sector), sectorSize_);
            sector = u32(fat_, 4 * qsizetype(sector));
        }
        return true;
    }

    std::optional<QByteArray> stream(quint32 start, quint32 size) const {
        QByteArray bytes;
        if (size >= u32(0x38)) {
            if (!readChain(start, bytes) || bytes.size() < qsizetype(size)) {
                return std::nullopt;
            }
            return bytes.left(size);
        }
        QByteArray miniStream;
        if (directory_.size() < kEntrySize || !readChain(u32(directory_, 116), miniStream)) {
            return std::nullopt;
        }
        const qsizetype miniCount = miniStream.size() / miniSectorSize_;
        for (qsizetype guard = 0; start != kEndOfChain; ++guard) {
            if (guard > miniCount || qsizetype(start) >= miniCount ||
                4 * qsizetype(start) + 4 > miniFat_.size()) {
                return std::nullopt;
            }
            bytes += miniStream.mid(qsizetype(start) * miniSectorSize_, miniSectorSize_);
            start = u32(miniFat_, 4 * qsizetype(start));
        }
        if (bytes.size() < qsizetype(size)) {
            return std::nullopt;
        }
        return bytes.left(size);
    }

    const QByteArray& file_;
    qsizetype sectorSize_ = 0;
    qsizetype miniSectorSize_ = 0;
    qsizetype sectorCount_ = 0;
    QByteArray fat_;
    QByteArray directory_;
    QByteArray miniFat_;
};

constexpr quint16 kBof = 0x0809;
constexpr quint16 kBiff8 = 0x0600;
constexpr quint16 kDimensions = 0x0200;
constexpr quint32 kRows = 65536;
constexpr quint16 kColumns = 256;

constexpr quint16 kFont = 0x0031;
constexpr quint16 kFormat = 0x041E;
constexpr quint16 kBoundSheet = 0x0085;

// A string inside a record: its character count, then a flags byte (bit 0: two bytes a
// character), then the characters. FreeXL copies as many bytes as the count says.
bool stringFits(const char* body, int length, int countAt, bool wideCount) {
    const int flagsAt = countAt + (wideCount ? 2 : 1);
    if (flagsAt >= length) {
        return false;
    }
    const int count = wideCount ? qFromLittleEndian<quint16>(body + countAt)
                                : static_cast<unsigned char>(body[countAt]);
    const int bytesPerCharacter = (body[flagsAt] & 1) != 0 ? 2 : 1;
    return flagsAt + 1 + count * bytesPerCharacter <= length;
}

bool stringsFit(quint16 type, const char* body, int length) {
    switch (type) {
    case kFont:
        return stringFits(body, length, 14, false);
    case kFormat:
        return stringFits(body, length, 2, true);
    case kBoundSheet:
        return stringFits(body, length, 6, false);
    default:
        return true;
    }
}

// A sheet's stated size: FreeXL sizes its cell table by it and trusts it.
bool dimensionsFit(const char* body, int length) {
    if (length != 14) {
        return false;
    }
    const quint32 firstRow = qFromLittleEndian<quint32>(body);
    const quint32 endRow = qFromLittleEndian<quint32>(body + 4);
    const quint16 firstColumn = qFromLittleEndian<quint16>(body + 8);
    const quint16 endColumn = qFromLittleEndian<quint16>(body + 10);
    return firstRow <= endRow && endRow <= kRows && firstColumn <= endColumn &&
           endColumn <= kColumns;
}

bool recordsFit(const QByteArray& stream) {
    bool biff8 = false;
    for (qsizetype at = 0; at + 4 <= stream.size();) {
        const quint16 type = qFromLittleEndian<quint16>(stream.constData() + at);
        const int length = qFromLittleEndian<quint16>(stream.constData() + at + 2);
        if (length > kLongestRecord) {
            return false;
        }
        if (at + 4 + length > stream.size()) {
            break;
        }
        const char* body = stream.constData() + at + 4;
        if (type == kBof && length >= 2) {
            biff8 = qFromLittleEndian<quint16>(body) == kBiff8;
        } else if (biff8 && type == kDimensions && !dimensionsFit(body, length)) {
            return false;
        } else if (biff8 && !stringsFit(type, body, length)) {
            return false;
        }
        at += 4 + length;
    }
    return true;
}
} // namespace

bool SafeForFreeXl(const QByteArray& file) {
    // A BIFF2 to BIFF4 workbook is a bare record stream without a directory.
    static const QByteArray signature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    if (!file.startsWith(signature)) {
        return recordsFit(file);
    }
    CompoundFile compound(file);
    if (!compound.Load() || !compound.NamesFit()) {
        return false;
    }
    const std::optional<QByteArray> workbook = compound.WorkbookStream();
    return workbook && recordsFit(*workbook);
}

} // namespace excel
