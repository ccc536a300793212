#include "platform/excel/XlsWriter.h"

#include "platform/excel/BiffStream.h"
#include "platform/excel/CompoundFile.h"
#include "platform/excel/FormatRecords.h"
#include "platform/excel/PasswordVerifier.h"
#include "platform/excel/Rc4CryptoApi.h"
#include "platform/excel/SharedStrings.h"
#include "platform/excel/SheetWriter.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"

#include <QRandomGenerator>
#include <memory>
#include <optional>
#include <vector>

namespace excel {
namespace {
constexpr std::uint16_t kWriteProtect = 0x0086;
constexpr std::uint16_t kMms = 0x00C1;
constexpr std::uint16_t kInterfaceEnd = 0x00E2;
constexpr std::uint16_t kWriteAccess = 0x005C;
constexpr std::uint16_t kFileSharing = 0x005B;
constexpr std::uint16_t kDsf = 0x0161;
constexpr std::uint16_t kRrTabId = 0x013D;
constexpr std::uint16_t kWindowProtect = 0x0019;
constexpr std::uint16_t kProtect = 0x0012;
constexpr std::uint16_t kPassword = 0x0013;
constexpr std::uint16_t kProt4Rev = 0x01AF;
constexpr std::uint16_t kProt4RevPass = 0x01BC;
constexpr std::uint16_t kWindow1 = 0x003D;
constexpr std::uint16_t kBackup = 0x0040;
constexpr std::uint16_t kHideObj = 0x008D;
constexpr std::uint16_t kPrecision = 0x000E;
constexpr std::uint16_t kRefreshAll = 0x01B7;
constexpr std::uint16_t kBookBool = 0x00DA;
constexpr std::uint16_t kUsesElfs = 0x0160;
constexpr std::uint16_t kCountry = 0x008C;
constexpr std::uint16_t kSupBook = 0x01AE;
constexpr std::uint16_t kExternSheet = 0x0017;
constexpr std::uint16_t kName = 0x0018;

constexpr std::uint16_t kUnicode = 1200;
constexpr std::uint16_t kChina = 86;
constexpr size_t kWriteAccessSize = 112;
constexpr qsizetype kMaxUserName = 54;

QByteArray randomBytes(int count) {
    QByteArray bytes(count, '\0');
    QRandomGenerator::system()->generate(bytes.begin(), bytes.end());
    return bytes;
}

void writeBof(BiffStream& out) {
    out.Begin(record::kBof);
    out.U16(0x0600); // BIFF8
    out.U16(0x0005); // workbook globals
    out.U16(0x0DBB);
    out.U16(0x07CC);
    out.U32(0x00000041);
    out.U32(0x00000006);
    out.End();
}

void writeUserRecords(BiffStream& out, const Protection& protection) {
    const QString user = protection.userName.left(kMaxUserName);
    out.Begin(kWriteAccess);
    const size_t start = out.Position();
    out.LongString(user);
    out.Bytes(QByteArray(static_cast<qsizetype>(kWriteAccessSize - (out.Position() - start)), ' '));
    out.End();
    if (!protection.modifyPassword.isEmpty()) {
        out.Begin(kFileSharing);
        out.U16(0); // not "read-only recommended": the password decides
        out.U16(PasswordVerifier(protection.modifyPassword));
        out.LongString(user);
        out.End();
    }
}

void writeWorkbookSettings(BiffStream& out, int sheetCount, int activeSheet) {
    out.Word(record::kCodePage, kUnicode);
    out.Word(kDsf, 0);
    out.Begin(kRrTabId);
    for (int i = 1; i <= sheetCount; ++i) {
        out.U16(static_cast<std::uint16_t>(i));
    }
    out.End();
    out.Word(kWindowProtect, 0);
    out.Word(kProtect, 0);
    out.Word(kPassword, 0);
    out.Word(kProt4Rev, 0);
    out.Word(kProt4RevPass, 0);
    out.Begin(kWindow1);
    out.U16(0x0168);
    out.U16(0x001E);
    out.U16(0x4650);
    out.U16(0x2D5A);
    out.U16(0x0038); // scroll bars and sheet tabs shown
    out.U16(static_cast<std::uint16_t>(activeSheet));
    out.U16(0);
    out.U16(1); // one sheet selected
    out.U16(0x0258);
    out.End();
    out.Word(kBackup, 0);
    out.Word(kHideObj, 0);
    out.Word(record::kDate1904, 0);
    out.Word(kPrecision, 1);
    out.Word(kRefreshAll, 0);
    out.Word(kBookBool, 0);
}

// Writes the BOUNDSHEET records and returns where each one's sheet offset goes.
std::vector<size_t> writeSheetList(BiffStream& out, const Worksheets& sheets) {
    std::vector<size_t> offsets;
    for (int i = 1; i <= sheets.Count(); ++i) {
        out.Begin(record::kBoundSheet);
        offsets.push_back(out.Position());
        out.U32(0);
        out.U8(0); // visible
        out.U8(0); // worksheet
        out.ShortString(sheets.Item(i).Name());
        out.End();
    }
    return offsets;
}
// The rows each sheet repeats on its printed pages, as the built-in name Print_Titles
// local to that sheet, whose 3-D reference needs the workbook's own SUPBOOK and an
// EXTERNSHEET entry per sheet.
void writePrintTitles(BiffStream& out, const Worksheets& sheets) {
    std::vector<int> titled;
    for (int i = 1; i <= sheets.Count(); ++i) {
        if (sheets.Item(i).PageSetup().HasPrintTitles()) {
            titled.push_back(i);
        }
    }
    if (titled.empty()) {
        return;
    }
    out.Begin(kSupBook);
    out.U16(static_cast<std::uint16_t>(sheets.Count()));
    out.U16(0x0401); // this workbook
    out.End();
    out.Begin(kExternSheet);
    out.U16(static_cast<std::uint16_t>(titled.size()));
    for (const int sheet : titled) {
        out.U16(0);
        out.U16(static_cast<std::uint16_t>(sheet - 1));
        out.U16(static_cast<std::uint16_t>(sheet - 1));
    }
    out.End();
    constexpr std::uint8_t kPrintTitles = 0x07;
    constexpr std::uint8_t kPtgArea3d = 0x3B;
    for (size_t x = 0; x < titled.size(); ++x) {
        const PageSetup& setup = sheets.Item(titled[x]).PageSetup();
        out.Begin(kName);
        out.U16(0x0020); // built in
        out.U8(0);       // no shortcut key
        out.U8(1);       // the name is one code
        out.U16(11);     // formula size
        out.U16(0);
        out.U16(static_cast<std::uint16_t>(titled[x]));
        out.Zeros(4);
        out.U8(0); // compressed characters
        out.U8(kPrintTitles);
        out.U8(kPtgArea3d);
        out.U16(static_cast<std::uint16_t>(x));
        out.U16(static_cast<std::uint16_t>(setup.printTitleFirstRow - 1));
        out.U16(static_cast<std::uint16_t>(setup.printTitleLastRow - 1));
        out.U16(0);                                           // column A, absolute
        out.U16(static_cast<std::uint16_t>(kMaxColumns - 1)); // to the last column
        out.End();
    }
}
} // namespace

bool WriteXls(const Workbook& workbook, const Protection& protection, QIODevice& device) {
    const Worksheets& sheets = workbook.Worksheets();
    FormatRecords formats(workbook.Styles());
    SharedStrings strings;
    std::vector<std::unique_ptr<SheetWriter>> writers;
    for (int i = 1; i <= sheets.Count(); ++i) {
        writers.push_back(std::make_unique<SheetWriter>(sheets.Item(i), workbook.Styles()));
        writers.back()->Prepare(formats, strings);
    }
    formats.CheckLimits();

    std::optional<Rc4CryptoApi> cipher;
    if (!protection.openPassword.isEmpty()) {
        cipher.emplace(protection.openPassword, randomBytes(16));
    }
    BiffStream out;
    size_t cells = 0;
    for (const auto& writer : writers) {
        cells += writer->CellCount();
    }
    // Cell records take 10 to 18 bytes; ROW and DBCELL records add a little per row.
    out.Reserve(65536 + strings.SizeEstimate() + 20 * cells);
    writeBof(out);
    if (!protection.modifyPassword.isEmpty()) {
        out.Empty(kWriteProtect);
    }
    if (cipher) {
        out.Begin(record::kFilePass);
        out.Bytes(cipher->FilePassData(randomBytes(16)));
        out.End();
    }
    out.Word(record::kInterfaceHdr, kUnicode);
    out.Word(kMms, 0);
    out.Empty(kInterfaceEnd);
    writeUserRecords(out, protection);
    writeWorkbookSettings(out, sheets.Count(), sheets.ActiveIndex());
    formats.Write(out);
    out.Word(kUsesElfs, 0);
    const std::vector<size_t> sheetOffsets = writeSheetList(out, sheets);
    out.Begin(kCountry);
    out.U16(kChina);
    out.U16(kChina);
    out.End();
    writePrintTitles(out, sheets);
    strings.Write(out);
    out.Empty(record::kEof);

    for (size_t i = 0; i < writers.size(); ++i) {
        out.Patch32(sheetOffsets[i], static_cast<std::uint32_t>(out.Position()));
        writers[i]->Write(out, static_cast<int>(i) == sheets.ActiveIndex());
    }
    QByteArray stream = out.Take();
    if (cipher) {
        cipher->EncryptWorkbookStream(stream);
    }
    const CompoundFileParts file = CompoundFileAround(QStringLiteral("Workbook"), stream.size());
    for (const QByteArray* part :
         {&file.head, static_cast<const QByteArray*>(&stream), &file.tail}) {
        if (device.write(*part) != part->size()) {
            return false;
        }
    }
    return true;
}

} // namespace excel
