#pragma once

#include "platform/app/Error.h"

namespace excel {

// Raised by every failing operation of the workbook model, the writer and the reader;
// Description() is what a window may show.
class Error : public App::Error {
public:
    using App::Error::Error;
};

} // namespace excel
