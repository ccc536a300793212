#pragma once

namespace excel {

class Worksheet;

// All columns of a sheet.
class Columns {
public:
    explicit Columns(Worksheet& sheet) : sheet_(&sheet) {}

    // Each column as wide as its widest content, merged cells left out; a column with
    // nothing to measure keeps its width.
    void AutoFit();

private:
    Worksheet* sheet_;
};

} // namespace excel
