#include "platform/excel/XlsPrecheck.h"

#include "platform/excel/XlsRecordCheck.h"

#include <QtEndian>
#include <algorithm>
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

struct Stream {
    QByteArray bytes;
    bool mini;
};

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
        sectorCount_ = file_.size() / sectorSize_ + 1;
        // Only followed: FreeXL reads the mini FAT too, and a broken chain there is damage.
        QByteArray miniFat;
        return loadFat() && readChain(u32(0x30), directory_) && readChain(u32(0x3C), miniFat);
    }

    bool NamesFit() const {
        for (qsizetype entry = 0; entry + kEntrySize <= directory_.size(); entry += kEntrySize) {
            if (u16(directory_, entry + kNameField) > kNameField) {
                return false;
            }
        }
        return true;
    }

    // The Workbook (BIFF8) or Book (BIFF5) stream where FreeXL finds it: the first entry of
    // that name in the directory's first sector, the name read up to its first NUL, whatever
    // the entry's type. nullopt when the stream cannot be read whole.
    std::optional<Stream> WorkbookStream() const {
        std::optional<qsizetype> root;
        const qsizetype firstSector = std::min(directory_.size(), sectorSize_);
        for (qsizetype entry = 0; entry + kEntrySize <= firstSector; entry += kEntrySize) {
            const QString name = entryName(entry);
            if (name == u"Root Entry") {
                root = entry;
            } else if (name == u"Workbook" || name == u"Book") {
                return stream(entry, root);
            }
        }
        return Stream{QByteArray(), false};
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
    // The header takes the whole first sector, also where sectors are 4,096 bytes.
    qsizetype offsetOf(quint32 sector) const { return (qsizetype(sector) + 1) * sectorSize_; }

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

    QString entryName(qsizetype entry) const {
        const QString name =
            QString::fromUtf16(reinterpret_cast<const char16_t*>(directory_.constData() + entry),
                               u16(directory_, entry + kNameField) / 2);
        return name.left(name.indexOf(QChar(u'\0')));
    }

    // FreeXL reads a stream from the mini stream only where the file has a mini FAT, and
    // then from the start of the mini stream on, whatever the stream's mini sectors say.
    std::optional<Stream> stream(qsizetype entry, std::optional<qsizetype> root) const {
        const quint32 size = u32(directory_, entry + 120);
        const bool mini = u32(0x40) != 0 && size <= u32(0x38);
        if (mini && (!root || size > u32(directory_, *root + 120))) {
            return std::nullopt;
        }
        QByteArray bytes;
        if (!readChain(u32(directory_, (mini ? *root : entry) + 116), bytes) ||
            bytes.size() < qsizetype(size)) {
            return std::nullopt;
        }
        return Stream{bytes.left(size), mini};
    }

    const QByteArray& file_;
    qsizetype sectorSize_ = 0;
    qsizetype sectorCount_ = 0;
    QByteArray fat_;
    QByteArray directory_;
};

} // namespace

bool SafeForFreeXl(const QByteArray& file) {
    // A BIFF2 to BIFF4 workbook is a bare record stream without a directory.
    static const QByteArray signature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    if (!file.startsWith(signature)) {
        return LegacyRecordsSafe(file);
    }
    CompoundFile compound(file);
    if (!compound.Load() || !compound.NamesFit()) {
        return false;
    }
    const std::optional<Stream> workbook = compound.WorkbookStream();
    return workbook && WorkbookRecordsSafe(workbook->bytes, !workbook->mini);
}

} // namespace excel
