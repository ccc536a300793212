#pragma once

namespace excel {

// Why the parts of the workbook reader give up on a file; ReadXls words the message,
// naming the file.
struct DamagedWorkbook {};
struct EncryptedWorkbook {};

} // namespace excel
