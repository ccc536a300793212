#include "platform/excel/CompoundFile.h"

#include <QtEndian>
#include <vector>

namespace excel {
namespace {
constexpr qsizetype kSectorSize = 512;
constexpr std::uint32_t kEntriesPerSector = kSectorSize / 4;
constexpr std::uint32_t kHeaderFatEntries = 109;
constexpr std::uint32_t kFree = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr std::uint32_t kMiniStreamCutoff = 4096;

std::uint32_t sectorsFor(qsizetype bytes) {
    return static_cast<std::uint32_t>((bytes + kSectorSize - 1) / kSectorSize);
}

std::uint32_t ceilDiv(std::uint32_t n, std::uint32_t d) {
    return (n + d - 1) / d;
}

class Writer {
public:
    explicit Writer(QByteArray& out) : out_(out) {}
    void u8(std::uint8_t v) { out_.append(static_cast<char>(v)); }
    void u16(std::uint16_t v) {
        char b[2];
        qToLittleEndian(v, b);
        out_.append(b, 2);
    }
    void u32(std::uint32_t v) {
        char b[4];
        qToLittleEndian(v, b);
        out_.append(b, 4);
    }
    void zeros(qsizetype n) { out_.append(n, '\0'); }

private:
    QByteArray& out_;
};

void writeDirectoryEntry(Writer& w, const QString& name, std::uint8_t type, std::uint32_t child,
                         std::uint32_t start, std::uint32_t size) {
    for (int i = 0; i < 32; ++i) {
        w.u16(i < name.size() ? name.at(i).unicode() : 0);
    }
    w.u16(name.isEmpty() ? 0 : static_cast<std::uint16_t>((name.size() + 1) * 2));
    w.u8(type);
    w.u8(1); // black
    w.u32(kNoStream);
    w.u32(kNoStream);
    w.u32(child);
    w.zeros(16 + 4 + 8 + 8); // class id, state bits, creation and modification times
    w.u32(start);
    w.u32(size);
    w.u32(0);
}
} // namespace

CompoundFileParts CompoundFileAround(const QString& streamName, qsizetype streamSize) {
    Q_ASSERT(streamSize >= static_cast<qsizetype>(kMiniStreamCutoff));
    const std::uint32_t streamSectors = sectorsFor(streamSize);
    const std::uint32_t directorySector = streamSectors;
    // The FAT must also cover its own sectors and those of the DIFAT.
    std::uint32_t fatSectors = 0;
    std::uint32_t difatSectors = 0;
    for (;;) {
        const std::uint32_t total = streamSectors + 1 + fatSectors + difatSectors;
        const std::uint32_t neededFat = ceilDiv(total, kEntriesPerSector);
        const std::uint32_t neededDifat =
            neededFat > kHeaderFatEntries
                ? ceilDiv(neededFat - kHeaderFatEntries, kEntriesPerSector - 1)
                : 0;
        if (neededFat == fatSectors && neededDifat == difatSectors) {
            break;
        }
        fatSectors = neededFat;
        difatSectors = neededDifat;
    }
    const std::uint32_t firstFat = directorySector + 1;
    const std::uint32_t firstDifat = firstFat + fatSectors;

    CompoundFileParts parts;
    Writer w(parts.head);
    w.u32(0xE011CFD0);
    w.u32(0xE11AB1A1);
    w.zeros(16);
    w.u16(0x003E); // minor version
    w.u16(0x0003); // major version 3
    w.u16(0xFFFE); // little-endian
    w.u16(9);      // 512-byte sectors
    w.u16(6);      // 64-byte mini sectors
    w.zeros(6);
    w.u32(0); // directory sectors, always 0 in version 3
    w.u32(fatSectors);
    w.u32(directorySector);
    w.u32(0);
    w.u32(kMiniStreamCutoff);
    w.u32(kEndOfChain); // no mini FAT
    w.u32(0);
    w.u32(difatSectors == 0 ? kEndOfChain : firstDifat);
    w.u32(difatSectors);
    for (std::uint32_t i = 0; i < kHeaderFatEntries; ++i) {
        w.u32(i < fatSectors ? firstFat + i : kFree);
    }

    Writer t(parts.tail);
    t.zeros((kSectorSize - streamSize % kSectorSize) % kSectorSize);
    writeDirectoryEntry(t, QStringLiteral("Root Entry"), 5, 1, kEndOfChain, 0);
    writeDirectoryEntry(t, streamName, 2, kNoStream, 0, static_cast<std::uint32_t>(streamSize));
    writeDirectoryEntry(t, {}, 0, kNoStream, 0, 0);
    writeDirectoryEntry(t, {}, 0, kNoStream, 0, 0);

    std::vector<std::uint32_t> fat(static_cast<size_t>(fatSectors) * kEntriesPerSector, kFree);
    for (std::uint32_t s = 0; s < streamSectors; ++s) {
        fat[s] = s + 1 < streamSectors ? s + 1 : kEndOfChain;
    }
    fat[directorySector] = kEndOfChain;
    for (std::uint32_t s = 0; s < fatSectors; ++s) {
        fat[firstFat + s] = kFatSector;
    }
    for (std::uint32_t s = 0; s < difatSectors; ++s) {
        fat[firstDifat + s] = kDifatSector;
    }
    for (const std::uint32_t entry : fat) {
        t.u32(entry);
    }

    // Each DIFAT sector lists the FAT sectors beyond the header's 109, then the next one.
    std::uint32_t listed = kHeaderFatEntries;
    for (std::uint32_t s = 0; s < difatSectors; ++s) {
        for (std::uint32_t i = 0; i < kEntriesPerSector - 1; ++i, ++listed) {
            t.u32(listed < fatSectors ? firstFat + listed : kFree);
        }
        t.u32(s + 1 < difatSectors ? firstDifat + s + 1 : kEndOfChain);
    }
    return parts;
}

} // namespace excel
