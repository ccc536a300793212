#pragma once

#include <QByteArray>
#include <QFile>
#include <initializer_list>
#include <optional>
#include <vector>

namespace excel {

// One stream of a compound file, read in place from the file: where each of its blocks
// (sectors, or the 64-byte mini sectors of a short stream) lies there.
class CompoundStream {
public:
    CompoundStream(QFile& file, std::vector<qint64> blocks, qint64 blockSize, qint64 size);

    qint64 Size() const { return size_; }
    // Reads up to `count` bytes from `at`; fewer only where the stream or the file ends.
    qint64 Read(qint64 at, char* out, qint64 count) const;

private:
    QFile* file_;
    std::vector<qint64> blocks_; // file offsets
    qint64 blockSize_;
    qint64 size_;
};

// The reading side of a compound file (versions 3 and 4): only its FAT is kept, 4 bytes for
// every sector of the file; the rest is read where it is needed. Every sector number is
// checked against the file, and no chain is followed for more links than the file has
// sectors, so a looping chain ends.
class CompoundFileReader {
public:
    explicit CompoundFileReader(QFile& file) : file_(file) {}

    // False for a file that is not a compound file, or whose header or FAT is damaged.
    bool Open();
    // The first of `names` that names a stream of the root storage, letter case ignored;
    // nullopt when none does. Throws DamagedWorkbook for a directory or a stream that
    // cannot be followed.
    std::optional<CompoundStream> Stream(std::initializer_list<const char*> names) const;

private:
    QByteArray read(qint64 at, qint64 count) const;
    qint64 offsetOf(std::uint32_t sector) const;
    bool loadFat(const QByteArray& header);
    std::vector<std::uint32_t> fatSectors(const QByteArray& header, qint64 count) const;
    // The sectors of the chain from `start`, at most `limit` of them; throws DamagedWorkbook
    // where a link leads outside the file before the chain ends.
    std::vector<std::uint32_t> chain(std::uint32_t start, qint64 limit) const;
    std::optional<QByteArray> entry(const std::vector<std::uint32_t>& directory,
                                    std::uint32_t id) const;
    std::vector<QByteArray> rootChildren(const std::vector<std::uint32_t>& directory) const;
    CompoundStream regularStream(std::uint32_t start, qint64 size) const;
    CompoundStream miniStream(const QByteArray& root, std::uint32_t start, qint64 size) const;

    QFile& file_;
    qint64 sectorSize_ = 512;
    qint64 sectorCount_ = 0;
    std::uint32_t directoryStart_ = 0;
    std::uint32_t miniFatStart_ = 0;
    std::vector<std::uint32_t> fat_;
};

} // namespace excel
