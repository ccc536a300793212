#include "platform/excel/Workbooks.h"

#include "platform/excel/Workbook.h"
#include "platform/excel/XlsReader.h"

#include <algorithm>

namespace excel {

Workbooks::Workbooks(Application& application) : application_(application) {}

Workbooks::~Workbooks() = default;

Workbook& Workbooks::Add() {
    auto workbook = std::make_unique<Workbook>(application_, false);
    for (const char* name : {"Sheet1", "Sheet2", "Sheet3"}) {
        workbook->Worksheets().Append(QString::fromLatin1(name));
    }
    workbooks_.push_back(std::move(workbook));
    return *workbooks_.back();
}

Workbook& Workbooks::Open(const QString& fileName) {
    auto workbook = std::make_unique<Workbook>(application_, true);
    ReadXls(fileName, *workbook);
    workbooks_.push_back(std::move(workbook));
    return *workbooks_.back();
}

void Workbooks::Remove(const Workbook* workbook) {
    workbooks_.erase(
        std::remove_if(workbooks_.begin(), workbooks_.end(),
                       [workbook](const auto& open) { return open.get() == workbook; }),
        workbooks_.end());
}

void Workbooks::Clear() {
    workbooks_.clear();
}

} // namespace excel
