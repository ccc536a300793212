#include "platform/excel/CompoundDirectory.h"

#include <QtEndian>
#include <vector>

namespace excel {
namespace {
constexpr qsizetype kHeaderSize = 512;
constexpr qsizetype kEntrySize = 128;
constexpr qsizetype kNameField = 64;
constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kLastRegularSector = 0xFFFFFFF9;
constexpr int kHeaderFatEntries = 109;

class Reader {
public:
    explicit Reader(const QByteArray& file) : file_(file) {}

    bool Has(qsizetype at, qsizetype size) const {
        return at >= 0 && size >= 0 && at + size <= file_.size();
    }
    quint16 U16(qsizetype at) const { return qFromLittleEndian<quint16>(file_.constData() + at); }
    quint32 U32(qsizetype at) const { return qFromLittleEndian<quint32>(file_.constData() + at); }

private:
    const QByteArray& file_;
};
} // namespace

bool DirectoryNamesFit(const QByteArray& file) {
    // A BIFF2 to BIFF4 workbook is a bare record stream without a directory.
    static const QByteArray signature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    if (!file.startsWith(signature)) {
        return true;
    }
    const Reader in(file);
    if (!in.Has(0, kHeaderSize)) {
        return false;
    }
    const int shift = in.U16(0x1E);
    if (shift != 9 && shift != 12) {
        return false;
    }
    const qsizetype sectorSize = qsizetype(1) << shift;
    const qsizetype perSector = sectorSize / 4;
    const auto offsetOf = [sectorSize](quint32 sector) {
        return kHeaderSize + qsizetype(sector) * sectorSize;
    };
    const qsizetype sectorCount = (file.size() - kHeaderSize) / sectorSize + 1;

    std::vector<quint32> fatSectors;
    const quint32 fatCount = in.U32(0x2C);
    for (int i = 0; i < kHeaderFatEntries && fatSectors.size() < fatCount; ++i) {
        fatSectors.push_back(in.U32(0x4C + 4 * i));
    }
    quint32 difat = in.U32(0x44);
    for (qsizetype guard = 0; fatSectors.size() < fatCount; ++guard) {
        if (difat > kLastRegularSector || guard > sectorCount ||
            !in.Has(offsetOf(difat), sectorSize)) {
            return false;
        }
        for (qsizetype i = 0; i + 1 < perSector && fatSectors.size() < fatCount; ++i) {
            fatSectors.push_back(in.U32(offsetOf(difat) + 4 * i));
        }
        difat = in.U32(offsetOf(difat) + sectorSize - 4);
    }

    quint32 sector = in.U32(0x30);
    for (qsizetype guard = 0; sector != kEndOfChain; ++guard) {
        if (sector > kLastRegularSector || guard > sectorCount ||
            !in.Has(offsetOf(sector), sectorSize)) {
            return false;
        }
        for (qsizetype entry = 0; entry < sectorSize; entry += kEntrySize) {
            if (in.U16(offsetOf(sector) + entry + kNameField) > kNameField) {
                return false;
            }
        }
        const qsizetype fatIndex = sector / perSector;
        if (fatIndex >= qsizetype(fatSectors.size()) || fatSectors[fatIndex] > kLastRegularSector) {
            return false;
        }
        const qsizetype link = offsetOf(fatSectors[fatIndex]) + 4 * (sector % perSector);
        if (!in.Has(link, 4)) {
            return false;
        }
        sector = in.U32(link);
    }
    return true;
}

} // namespace excel
