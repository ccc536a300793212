#include "platform/excel/CompoundFileReader.h"

#include "platform/excel/ReadFailure.h"

#include <QtEndian>
#include <algorithm>

namespace excel {
namespace {
constexpr quint64 kSignature = 0xE11AB1A1E011CFD0;
constexpr qint64 kHeaderSize = 512;
constexpr int kHeaderFatEntries = 109;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kNoEntry = 0xFFFFFFFF;
constexpr qint64 kEntrySize = 128;
constexpr qint64 kMiniSectorSize = 64;
constexpr qint64 kMiniStreamCutoff = 4096;
constexpr std::uint8_t kStreamEntry = 2;
constexpr std::uint8_t kRootEntry = 5;

std::uint16_t u16(const QByteArray& bytes, qint64 at) {
    return at + 2 <= bytes.size() ? qFromLittleEndian<std::uint16_t>(bytes.constData() + at) : 0;
}

std::uint32_t u32(const QByteArray& bytes, qint64 at) {
    return at + 4 <= bytes.size() ? qFromLittleEndian<std::uint32_t>(bytes.constData() + at)
                                  : kEndOfChain;
}

qint64 ceilDiv(qint64 n, qint64 d) {
    return (n + d - 1) / d;
}

QString entryName(const QByteArray& entry) {
    const int bytes = u16(entry, 64);
    if (bytes < 2 || bytes > 64 || bytes % 2 != 0) {
        return {};
    }
    QString name(bytes / 2 - 1, Qt::Uninitialized);
    qFromLittleEndian<char16_t>(entry.constData(), name.size(), name.data());
    return name;
}

[[noreturn]] void damaged() {
    throw DamagedWorkbook();
}
} // namespace

CompoundStream::CompoundStream(QFile& file, std::vector<qint64> blocks, qint64 blockSize,
                               qint64 size)
    : file_(&file), blocks_(std::move(blocks)), blockSize_(blockSize), size_(size) {}

qint64 CompoundStream::Read(qint64 at, char* out, qint64 count) const {
    count = std::min(count, size_ - at);
    qint64 done = 0;
    while (done < count) {
        const qint64 position = at + done;
        auto block = static_cast<std::size_t>(position / blockSize_);
        const qint64 within = position % blockSize_;
        qint64 length = blockSize_ - within;
        // Blocks that follow each other in the file are read at once.
        while (done + length < count && block + 1 < blocks_.size() &&
               blocks_[block + 1] == blocks_[block] + blockSize_) {
            length += blockSize_;
            ++block;
        }
        length = std::min(length, count - done);
        const qint64 first = blocks_[static_cast<std::size_t>(position / blockSize_)] + within;
        if (!file_->seek(first)) {
            break;
        }
        const qint64 got = file_->read(out + done, length);
        if (got <= 0) {
            break;
        }
        done += got;
        if (got < length) {
            break;
        }
    }
    return done;
}

QByteArray CompoundFileReader::read(qint64 at, qint64 count) const {
    return file_.seek(at) ? file_.read(count) : QByteArray();
}

qint64 CompoundFileReader::offsetOf(std::uint32_t sector) const {
    // The header takes the whole first sector, also where sectors are 4,096 bytes.
    return (static_cast<qint64>(sector) + 1) * sectorSize_;
}

bool CompoundFileReader::Open() {
    const QByteArray header = read(0, kHeaderSize);
    if (header.size() < kHeaderSize ||
        qFromLittleEndian<quint64>(header.constData()) != kSignature) {
        return false;
    }
    const int shift = u16(header, 0x1E);
    if (shift != 9 && shift != 12) {
        return false;
    }
    sectorSize_ = qint64(1) << shift;
    sectorCount_ = std::max<qint64>(0, ceilDiv(file_.size() - sectorSize_, sectorSize_));
    directoryStart_ = u32(header, 0x30);
    miniFatStart_ = u32(header, 0x3C);
    return loadFat(header);
}

std::vector<std::uint32_t> CompoundFileReader::fatSectors(const QByteArray& header,
                                                          qint64 count) const {
    std::vector<std::uint32_t> sectors;
    for (int i = 0; i < kHeaderFatEntries && qint64(sectors.size()) < count; ++i) {
        sectors.push_back(u32(header, 0x4C + 4 * i));
    }
    // The rest are listed in the DIFAT sectors, each ending with the next one's number.
    std::uint32_t difat = u32(header, 0x44);
    for (qint64 links = 0; qint64(sectors.size()) < count; ++links) {
        if (difat >= sectorCount_ || links >= sectorCount_) {
            return {};
        }
        const QByteArray sector = read(offsetOf(difat), sectorSize_);
        for (qint64 at = 0; at + 4 < sector.size() && qint64(sectors.size()) < count; at += 4) {
            sectors.push_back(u32(sector, at));
        }
        difat = u32(sector, sectorSize_ - 4);
    }
    return sectors;
}

bool CompoundFileReader::loadFat(const QByteArray& header) {
    // FAT sectors beyond those that cover the file's sectors describe nothing there.
    const qint64 entriesPerSector = sectorSize_ / 4;
    const qint64 count =
        std::min<qint64>(u32(header, 0x2C), ceilDiv(sectorCount_, entriesPerSector));
    const std::vector<std::uint32_t> sectors = fatSectors(header, count);
    if (qint64(sectors.size()) != count) {
        return false;
    }
    fat_.reserve(static_cast<std::size_t>(count * entriesPerSector));
    for (const std::uint32_t sector : sectors) {
        const QByteArray entries =
            sector < sectorCount_ ? read(offsetOf(sector), sectorSize_) : QByteArray();
        if (entries.size() < sectorSize_) {
            return false;
        }
        for (qint64 at = 0; at < sectorSize_; at += 4) {
            fat_.push_back(u32(entries, at));
        }
    }
    return true;
}

std::vector<std::uint32_t> CompoundFileReader::chain(std::uint32_t start, qint64 limit) const {
    std::vector<std::uint32_t> sectors;
    limit = std::min(limit, sectorCount_);
    for (std::uint32_t sector = start; sector != kEndOfChain && qint64(sectors.size()) < limit;
         sector = fat_[sector]) {
        if (sector >= sectorCount_ || sector >= fat_.size()) {
            damaged();
        }
        sectors.push_back(sector);
    }
    return sectors;
}

std::optional<QByteArray> CompoundFileReader::entry(const std::vector<std::uint32_t>& directory,
                                                    std::uint32_t id) const {
    const qint64 at = static_cast<qint64>(id) * kEntrySize;
    const auto sector = static_cast<std::size_t>(at / sectorSize_);
    if (sector >= directory.size()) {
        return std::nullopt;
    }
    const QByteArray bytes = read(offsetOf(directory[sector]) + at % sectorSize_, kEntrySize);
    if (bytes.size() < kEntrySize) {
        return std::nullopt;
    }
    return bytes;
}

// The root entry first, then the entries of its tree of children.
std::vector<QByteArray>
CompoundFileReader::rootChildren(const std::vector<std::uint32_t>& directory) const {
    const std::optional<QByteArray> root = entry(directory, 0);
    if (!root || root->at(66) != kRootEntry) {
        damaged();
    }
    std::vector<QByteArray> found{*root};
    const qint64 entries = qint64(directory.size()) * (sectorSize_ / kEntrySize);
    std::vector<bool> seen(static_cast<std::size_t>(entries));
    std::vector<std::uint32_t> pending{u32(*root, 76)};
    while (!pending.empty()) {
        const std::uint32_t id = pending.back();
        pending.pop_back();
        if (id == kNoEntry || id >= entries || seen[id]) {
            continue;
        }
        seen[id] = true;
        if (const std::optional<QByteArray> child = entry(directory, id)) {
            found.push_back(*child);
            pending.push_back(u32(*child, 68));
            pending.push_back(u32(*child, 72));
        }
    }
    return found;
}

std::optional<CompoundStream>
CompoundFileReader::Stream(std::initializer_list<const char*> names) const {
    const std::vector<QByteArray> entries = rootChildren(chain(directoryStart_, sectorCount_));
    for (const char* name : names) {
        for (std::size_t i = 1; i < entries.size(); ++i) {
            const QByteArray& found = entries[i];
            if (found.at(66) != kStreamEntry ||
                entryName(found).compare(QLatin1String(name), Qt::CaseInsensitive) != 0) {
                continue;
            }
            // Version 3 leaves the high half of the size undefined.
            if (sectorSize_ > kHeaderSize && u32(found, 124) != 0) {
                damaged();
            }
            const qint64 size = u32(found, 120);
            return size < kMiniStreamCutoff ? miniStream(entries[0], u32(found, 116), size)
                                            : regularStream(u32(found, 116), size);
        }
    }
    return std::nullopt;
}

CompoundStream CompoundFileReader::regularStream(std::uint32_t start, qint64 size) const {
    const qint64 needed = ceilDiv(size, sectorSize_);
    const std::vector<std::uint32_t> sectors = chain(start, needed);
    if (qint64(sectors.size()) != needed) {
        damaged();
    }
    std::vector<qint64> blocks;
    blocks.reserve(sectors.size());
    for (const std::uint32_t sector : sectors) {
        blocks.push_back(offsetOf(sector));
    }
    return CompoundStream(file_, std::move(blocks), sectorSize_, size);
}

// A short stream lies in 64-byte sectors of the mini stream, which the root entry holds and
// the mini FAT chains.
CompoundStream CompoundFileReader::miniStream(const QByteArray& root, std::uint32_t start,
                                              qint64 size) const {
    const std::vector<std::uint32_t> container =
        chain(u32(root, 116), ceilDiv(u32(root, 120), sectorSize_));
    const std::vector<std::uint32_t> miniFat = chain(miniFatStart_, sectorCount_);
    const qint64 entriesPerSector = sectorSize_ / 4;
    std::vector<qint64> blocks;
    std::uint32_t mini = start;
    for (qint64 i = 0; i < ceilDiv(size, kMiniSectorSize); ++i) {
        const qint64 at = static_cast<qint64>(mini) * kMiniSectorSize;
        const qint64 fatSector = mini / entriesPerSector;
        if (at / sectorSize_ >= qint64(container.size()) || fatSector >= qint64(miniFat.size())) {
            damaged();
        }
        blocks.push_back(offsetOf(container[static_cast<std::size_t>(at / sectorSize_)]) +
                         at % sectorSize_);
        mini = u32(read(offsetOf(miniFat[static_cast<std::size_t>(fatSector)]) +
                            4 * (mini % entriesPerSector),
                        4),
                   0);
    }
    return CompoundStream(file_, std::move(blocks), kMiniSectorSize, size);
}

} // namespace excel
