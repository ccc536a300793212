#include "platform/excel/Worksheets.h"

#include "platform/excel/Error.h"
#include "platform/excel/SheetName.h"
#include "platform/excel/Worksheet.h"

#include <algorithm>

namespace excel {

Worksheets::Worksheets(Workbook& workbook) : workbook_(workbook) {}

Worksheets::~Worksheets() = default;

Worksheet& Worksheets::Item(int index) const {
    if (index < 1 || index > Count()) {
        throw Error(QStringLiteral("下标越界：工作簿中没有第 %1 个工作表。").arg(index));
    }
    return *sheets_[static_cast<size_t>(index - 1)];
}

Worksheet& Worksheets::Add() {
    QString name;
    do {
        name = QStringLiteral("Sheet%1").arg(++lastNumber_);
    } while (SheetNameTaken(name, sheets_, nullptr));
    const auto at = sheets_.begin() + active_;
    return **sheets_.insert(at, std::make_unique<Worksheet>(workbook_, name));
}

void Worksheets::CheckName(const QString& name, const Worksheet* renamed) const {
    CheckSheetName(name);
    if (SheetNameTaken(name, sheets_, renamed)) {
        throw Error(QStringLiteral("工作表名称“%1”已被同一工作簿中的另一个工作表使用。").arg(name));
    }
}

Worksheet& Worksheets::Append(const QString& name) {
    sheets_.push_back(std::make_unique<Worksheet>(workbook_, name));
    if (name.startsWith(QStringLiteral("Sheet"))) {
        lastNumber_ = std::max(lastNumber_, name.mid(5).toInt());
    }
    return *sheets_.back();
}

} // namespace excel
