#include "platform/excel/CellAddress.h"

#include "platform/excel/Error.h"

#include <algorithm>

namespace excel {
namespace {

[[noreturn]] void refuse(const QString& address, const QString& why) {
    throw Error(QStringLiteral("单元格地址“%1”无效：%2").arg(address, why));
}

// Parses one cell reference from text[pos], advancing pos.
void parseCell(const QString& address, qsizetype& pos, int& row, int& column) {
    const qsizetype size = address.size();
    if (pos < size && address.at(pos) == u'$') {
        ++pos;
    }
    long long letters = 0;
    int letterCount = 0;
    while (pos < size && address.at(pos).isLetter() && address.at(pos).unicode() < 128) {
        letters = letters * 26 + (address.at(pos).toUpper().unicode() - u'A' + 1);
        ++letterCount;
        ++pos;
        if (letterCount > 3) {
            refuse(address, QStringLiteral("列超出 Excel 97-2003 工作簿的上限 IV（256 列）"));
        }
    }
    if (pos < size && address.at(pos) == u'$') {
        ++pos;
    }
    long long digits = 0;
    int digitCount = 0;
    while (pos < size && address.at(pos).isDigit() && address.at(pos).unicode() < 128) {
        digits = digits * 10 + (address.at(pos).unicode() - u'0');
        ++digitCount;
        ++pos;
        if (digitCount > 7) {
            break;
        }
    }
    if (letterCount == 0 || digitCount == 0 || digits == 0) {
        refuse(address, QStringLiteral("应写作列字母加行号，例如 A1 或 B2:F2"));
    }
    if (letters > kMaxColumns) {
        refuse(address, QStringLiteral("列超出 Excel 97-2003 工作簿的上限 IV（256 列）"));
    }
    if (digits > kMaxRows) {
        refuse(address, QStringLiteral("行超出 Excel 97-2003 工作簿的上限 65536 行"));
    }
    row = static_cast<int>(digits - 1);
    column = static_cast<int>(letters - 1);
}

} // namespace

CellRect ParseAddress(const QString& address) {
    const QString text = address.trimmed();
    CellRect rect;
    qsizetype pos = 0;
    parseCell(text, pos, rect.top, rect.left);
    rect.bottom = rect.top;
    rect.right = rect.left;
    if (pos < text.size() && text.at(pos) == u':') {
        ++pos;
        int row = 0;
        int column = 0;
        parseCell(text, pos, row, column);
        rect.top = std::min(rect.top, row);
        rect.bottom = std::max(rect.bottom, row);
        rect.left = std::min(rect.left, column);
        rect.right = std::max(rect.right, column);
    }
    if (pos != text.size()) {
        refuse(address, QStringLiteral("应写作列字母加行号，例如 A1 或 B2:F2"));
    }
    return rect;
}

} // namespace excel
