#include "platform/excel/EncryptionProbe.h"

#include <QFile>
#include <QtEndian>
#include <vector>

namespace excel {
namespace {
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kMaxSectors = 1u << 24; // far beyond any .xls; stops looping chains
constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kWriteProtect = 0x0086;
constexpr std::uint16_t kFilePass = 0x002F;

// Just enough of a compound file to read the first bytes of one stream.
class CompoundReader {
public:
    explicit CompoundReader(QFile& file) : file_(file) {}

    bool Open() {
        const QByteArray header = read(0, 512);
        if (header.size() < 512 || u32(header, 0) != 0xE011CFD0 || u32(header, 4) != 0xE11AB1A1) {
            return false;
        }
        const int shift = qFromLittleEndian<std::uint16_t>(header.constData() + 0x1E);
        if (shift != 9 && shift != 12) {
            return false;
        }
        sectorSize_ = 1 << shift;
        directory_ = u32(header, 0x30);
        miniFat_ = u32(header, 0x3C);
        std::vector<std::uint32_t> fatSectors;
        for (int i = 0; i < 109; ++i) {
            fatSectors.push_back(u32(header, 0x4C + 4 * i));
        }
        // A DIFAT chain never has more links than the file has sectors; a looping one stops.
        const qint64 sectorsInFile = file_.size() / sectorSize_ + 1;
        for (std::uint32_t difat = u32(header, 0x44), seen = 0;
             difat < kMaxSectors && seen < sectorsInFile; ++seen) {
            const QByteArray sector = readSector(difat);
            if (sector.size() < sectorSize_) {
                return false;
            }
            for (int i = 0; i + 4 < sectorSize_; i += 4) {
                fatSectors.push_back(u32(sector, i));
            }
            difat = u32(sector, sectorSize_ - 4);
        }
        for (const std::uint32_t sector : fatSectors) {
            if (sector < kMaxSectors) {
                fat_ += readSector(sector);
            }
        }
        return true;
    }

    // The first `count` bytes of the named stream; empty when there is none.
    QByteArray StreamStart(const QString& name, int count) {
        QByteArray root;
        for (std::uint32_t sector = directory_, seen = 0; sector < kMaxSectors && seen < 4096;
             sector = next(fat_, sector), ++seen) {
            const QByteArray entries = readSector(sector);
            for (int at = 0; at + 128 <= entries.size(); at += 128) {
                const QByteArray entry = entries.mid(at, 128);
                if (root.isEmpty()) {
                    root = entry;
                }
                if (entryName(entry) == name) {
                    return bytesOf(entry, root, count);
                }
            }
        }
        return {};
    }

private:
    static std::uint32_t u32(const QByteArray& bytes, int at) {
        return at + 4 <= bytes.size() ? qFromLittleEndian<std::uint32_t>(bytes.constData() + at)
                                      : kEndOfChain;
    }
    static std::uint32_t next(const QByteArray& table, std::uint32_t index) {
        return index < kMaxSectors ? u32(table, static_cast<int>(index * 4)) : kEndOfChain;
    }
    static QString entryName(const QByteArray& entry) {
        const int bytes = qFromLittleEndian<std::uint16_t>(entry.constData() + 64);
        if (bytes < 2 || bytes > 64) {
            return {};
        }
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(entry.constData()),
                                  bytes / 2 - 1);
    }
    QByteArray read(qint64 at, int count) {
        return file_.seek(at) ? file_.read(count) : QByteArray();
    }
    QByteArray readSector(std::uint32_t sector) {
        return read((static_cast<qint64>(sector) + 1) * sectorSize_, sectorSize_);
    }

    QByteArray bytesOf(const QByteArray& entry, const QByteArray& root, int count) {
        const std::uint32_t start = u32(entry, 116);
        if (u32(entry, 120) >= 4096) {
            return readSector(start).left(count);
        }
        // A short stream lies in 64-byte sectors of the mini stream, which the root holds.
        QByteArray miniFat;
        for (std::uint32_t sector = miniFat_, seen = 0; sector < kMaxSectors && seen < 1024;
             sector = next(fat_, sector), ++seen) {
            miniFat += readSector(sector);
        }
        QByteArray bytes;
        for (std::uint32_t mini = start, seen = 0;
             mini < kMaxSectors && bytes.size() < count && seen < 64;
             mini = next(miniFat, mini), ++seen) {
            std::uint32_t sector = u32(root, 116);
            for (std::uint32_t skip = mini * 64 / sectorSize_; skip > 0 && sector < kMaxSectors;
                 --skip) {
                sector = next(fat_, sector);
            }
            bytes += readSector(sector).mid(static_cast<int>(mini * 64 % sectorSize_), 64);
        }
        return bytes.left(count);
    }

    QFile& file_;
    int sectorSize_ = 512;
    std::uint32_t directory_ = kEndOfChain;
    std::uint32_t miniFat_ = kEndOfChain;
    QByteArray fat_;
};
} // namespace

bool HasPasswordToOpen(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    CompoundReader compound(file);
    if (!compound.Open()) {
        return false;
    }
    const QByteArray start = compound.StreamStart(QStringLiteral("Workbook"), 64);
    // BOF, then FILEPASS, with an empty WRITEPROT between them when there is a password to
    // modify as well.
    int at = 0;
    for (int record = 0; record < 3 && at + 4 <= start.size(); ++record) {
        const auto type = qFromLittleEndian<std::uint16_t>(start.constData() + at);
        const auto size = qFromLittleEndian<std::uint16_t>(start.constData() + at + 2);
        if (type == kFilePass) {
            return true;
        }
        if (type != kBof && type != kWriteProtect) {
            return false;
        }
        at += 4 + size;
    }
    return false;
}

} // namespace excel
