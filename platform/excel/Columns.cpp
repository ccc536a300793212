#include "platform/excel/Columns.h"

#include "platform/excel/Worksheet.h"

namespace excel {

void Columns::AutoFit() {
    sheet_->AutoFitColumns();
}

} // namespace excel
