#include "platform/excel/SheetName.h"

#include "platform/excel/Error.h"
#include "platform/excel/Worksheet.h"

namespace excel {
namespace {
constexpr qsizetype kMaxSheetName = 31;
const QString kForbidden = QStringLiteral(":\\/?*[]");
} // namespace

void CheckSheetName(const QString& name) {
    bool forbidden = false;
    for (const QChar c : name) {
        forbidden = forbidden || kForbidden.contains(c);
    }
    if (name.isEmpty() || name.size() > kMaxSheetName || forbidden || name.startsWith(u'\'') ||
        name.endsWith(u'\'')) {
        throw Error(QStringLiteral("工作表名称“%1”无效。名称不能为空，不能多于 31 个字符，"
                                   "不能以单引号开头或结尾，也不能包含下列字符：: \\ / ? * [ ]")
                        .arg(name));
    }
    if (name.compare(QStringLiteral("History"), Qt::CaseInsensitive) == 0) {
        throw Error(QStringLiteral("“History”是 Excel 保留的名称，不能用作工作表名称。"));
    }
}

bool SheetNameTaken(const QString& name, const std::vector<std::unique_ptr<Worksheet>>& sheets,
                    const Worksheet* except) {
    for (const auto& sheet : sheets) {
        if (sheet.get() != except && sheet->Name().compare(name, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace excel
