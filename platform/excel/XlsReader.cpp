#include "platform/excel/XlsReader.h"

#include "platform/excel/CompoundFileReader.h"
#include "platform/excel/Error.h"
#include "platform/excel/ReadFailure.h"
#include "platform/excel/RecordReader.h"
#include "platform/excel/SheetCells.h"
#include "platform/excel/SheetReader.h"
#include "platform/excel/StringTable.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/WorkbookGlobals.h"
#include "platform/excel/Worksheet.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace excel {
namespace {
using Sheet = WorkbookGlobals::Sheet;

// How far each sheet's part may run: to the next part, or to the end of the stream. Two
// sheets on one part would read its cells twice.
std::vector<qint64> partSizes(const std::vector<Sheet>& sheets, qint64 streamSize) {
    std::vector<qint64> starts;
    for (const Sheet& sheet : sheets) {
        starts.push_back(sheet.offset);
    }
    std::sort(starts.begin(), starts.end());
    if (std::adjacent_find(starts.begin(), starts.end()) != starts.end()) {
        throw DamagedWorkbook();
    }
    std::vector<qint64> sizes;
    for (const Sheet& sheet : sheets) {
        const auto next = std::upper_bound(starts.begin(), starts.end(), sheet.offset);
        sizes.push_back(
            std::max<qint64>(0, (next == starts.end() ? streamSize : *next) - sheet.offset));
    }
    return sizes;
}

void readWorkbook(QFile& file, Workbook& into) {
    CompoundFileReader compound(file);
    if (!compound.Open()) {
        throw DamagedWorkbook();
    }
    const std::optional<CompoundStream> stream = compound.Stream({"Workbook", "Book"});
    if (!stream) {
        throw DamagedWorkbook();
    }
    RecordReader records(*stream);
    auto strings = std::make_shared<StringTable>();
    // Texts take no more bytes than the stream gives them: room for them at once.
    strings->Reserve(stream->Size());
    WorkbookGlobals globals;
    globals.Read(records, *strings);
    // Every workbook has a sheet; a damaged one may list none.
    if (globals.Sheets().empty()) {
        throw DamagedWorkbook();
    }
    const std::vector<qint64> sizes = partSizes(globals.Sheets(), stream->Size());
    for (std::size_t i = 0; i < globals.Sheets().size(); ++i) {
        auto cells = std::make_unique<SheetCells>(strings, globals.Date1904());
        cells->Reserve(sizes[i]);
        const qint64 offset = globals.Sheets()[i].offset;
        SheetReader(records, globals, *strings, *cells).Read(offset, offset + sizes[i]);
        if (!cells->Finish()) {
            throw DamagedWorkbook();
        }
        into.Worksheets().Append(globals.Sheets()[i].name).Load(std::move(cells));
    }
}
} // namespace

void ReadXls(const QString& fileName, Workbook& into) {
    if (!QFileInfo(fileName).isFile()) {
        throw Error(QStringLiteral("找不到工作簿文件“%1”。").arg(fileName));
    }
    QFile file(fileName);
    try {
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            throw DamagedWorkbook();
        }
        readWorkbook(file, into);
    } catch (const DamagedWorkbook&) {
        throw Error(
            QStringLiteral("文件“%1”不是 Excel 工作簿，或者已经损坏，无法读取。").arg(fileName));
    } catch (const EncryptedWorkbook&) {
        throw Error(QStringLiteral("工作簿“%1”设有打开密码，无法读取。").arg(fileName));
    }
}

} // namespace excel
