#include "platform/excel/CompoundFile.h"

#include <QtEndian>
#include <vector>

namespace excel {
namespace {
constexpr qsizetype kSectorSize = 512;
constexpr qsizetype kMiniSectorSize = 64;
constexpr std::uint32_t kEntriesPerSector = kSectorSize / 4;
constexpr std::uint32_t kHeaderFatEntries = 109;
constexpr std::uint32_t kFree = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr qsizetype kMiniStreamCutoff = 4096;

std::uint32_t ceilDiv(qsizetype n, qsizetype d) {
    return static_cast<std::uint32_t>((n + d - 1) / d);
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

// Where everything lies, in sectors after the header: the stream (or the mini stream
// holding it), the mini FAT, the directory, the FAT, the DIFAT.
struct Layout {
    bool mini = false;
    std::uint32_t dataSectors = 0;
    std::uint32_t miniFatSectors = 0;
    std::uint32_t directory = 0;
    std::uint32_t firstFat = 0;
    std::uint32_t fatSectors = 0;
    std::uint32_t firstDifat = 0;
    std::uint32_t difatSectors = 0;
    std::uint32_t miniSectors = 0;
};

Layout layoutFor(qsizetype streamSize) {
    Layout l;
    l.mini = streamSize < kMiniStreamCutoff;
    l.miniSectors = l.mini ? ceilDiv(streamSize, kMiniSectorSize) : 0;
    l.dataSectors = ceilDiv(l.mini ? l.miniSectors * kMiniSectorSize : streamSize, kSectorSize);
    l.miniFatSectors = l.mini ? ceilDiv(l.miniSectors, kEntriesPerSector) : 0;
    l.directory = l.dataSectors + l.miniFatSectors;
    // The FAT must also cover its own sectors and those of the DIFAT.
    for (;;) {
        const std::uint32_t total = l.directory + 1 + l.fatSectors + l.difatSectors;
        const std::uint32_t fat = ceilDiv(total, kEntriesPerSector);
        const std::uint32_t difat =
            fat > kHeaderFatEntries ? ceilDiv(fat - kHeaderFatEntries, kEntriesPerSector - 1) : 0;
        if (fat == l.fatSectors && difat == l.difatSectors) {
            break;
        }
        l.fatSectors = fat;
        l.difatSectors = difat;
    }
    l.firstFat = l.directory + 1;
    l.firstDifat = l.firstFat + l.fatSectors;
    return l;
}

void writeHeader(Writer& w, const Layout& l) {
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
    w.u32(l.fatSectors);
    w.u32(l.directory);
    w.u32(0);
    w.u32(static_cast<std::uint32_t>(kMiniStreamCutoff));
    w.u32(l.mini ? l.dataSectors : kEndOfChain);
    w.u32(l.miniFatSectors);
    w.u32(l.difatSectors == 0 ? kEndOfChain : l.firstDifat);
    w.u32(l.difatSectors);
    for (std::uint32_t i = 0; i < kHeaderFatEntries; ++i) {
        w.u32(i < l.fatSectors ? l.firstFat + i : kFree);
    }
}

// Sectors [first, first + count) as one chain.
void chain(std::vector<std::uint32_t>& table, std::uint32_t first, std::uint32_t count) {
    for (std::uint32_t s = first; s < first + count; ++s) {
        table[s] = s + 1 < first + count ? s + 1 : kEndOfChain;
    }
}

void writeTail(Writer& w, const Layout& l, const QString& streamName, qsizetype streamSize) {
    w.zeros(l.dataSectors * kSectorSize - streamSize);
    if (l.mini) {
        std::vector<std::uint32_t> miniFat(l.miniFatSectors * kEntriesPerSector, kFree);
        chain(miniFat, 0, l.miniSectors);
        for (const std::uint32_t entry : miniFat) {
            w.u32(entry);
        }
    }
    const auto size = static_cast<std::uint32_t>(streamSize);
    writeDirectoryEntry(w, QStringLiteral("Root Entry"), 5, 1, l.mini ? 0 : kEndOfChain,
                        l.mini ? l.miniSectors * kMiniSectorSize : 0);
    writeDirectoryEntry(w, streamName, 2, kNoStream, 0, size);
    writeDirectoryEntry(w, {}, 0, kNoStream, 0, 0);
    writeDirectoryEntry(w, {}, 0, kNoStream, 0, 0);

    std::vector<std::uint32_t> fat(static_cast<size_t>(l.fatSectors) * kEntriesPerSector, kFree);
    chain(fat, 0, l.dataSectors);
    chain(fat, l.dataSectors, l.miniFatSectors);
    fat[l.directory] = kEndOfChain;
    for (std::uint32_t s = 0; s < l.fatSectors; ++s) {
        fat[l.firstFat + s] = kFatSector;
    }
    for (std::uint32_t s = 0; s < l.difatSectors; ++s) {
        fat[l.firstDifat + s] = kDifatSector;
    }
    for (const std::uint32_t entry : fat) {
        w.u32(entry);
    }
    // Each DIFAT sector lists the FAT sectors beyond the header's 109, then the next one.
    std::uint32_t listed = kHeaderFatEntries;
    for (std::uint32_t s = 0; s < l.difatSectors; ++s) {
        for (std::uint32_t i = 0; i < kEntriesPerSector - 1; ++i, ++listed) {
            w.u32(listed < l.fatSectors ? l.firstFat + listed : kFree);
        }
        w.u32(s + 1 < l.difatSectors ? l.firstDifat + s + 1 : kEndOfChain);
    }
}
} // namespace

CompoundFileParts CompoundFileAround(const QString& streamName, qsizetype streamSize) {
    const Layout layout = layoutFor(streamSize);
    CompoundFileParts parts;
    Writer head(parts.head);
    writeHeader(head, layout);
    Writer tail(parts.tail);
    writeTail(tail, layout, streamName, streamSize);
    return parts;
}

} // namespace excel
