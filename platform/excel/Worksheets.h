#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace excel {

class Workbook;
class Worksheet;

// The sheets of a workbook, shaped after Excel's Worksheets collection.
class Worksheets {
public:
    explicit Worksheets(Workbook& workbook);
    ~Worksheets();
    Worksheets(const Worksheets&) = delete;
    Worksheets& operator=(const Worksheets&) = delete;

    int Count() const { return static_cast<int>(sheets_.size()); }
    // From 1; throws excel::Error outside 1..Count().
    Worksheet& Item(int index) const;
    // As Excel: a new sheet named "Sheet" + the next number, before the active sheet, and
    // active from then on.
    Worksheet& Add();

    int ActiveIndex() const { return active_; }
    // Throws excel::Error when `name` may not name `renamed` (nullptr for a new sheet).
    void CheckName(const QString& name, const Worksheet* renamed) const;
    // A sheet after the last, with a name that has passed CheckName.
    Worksheet& Append(const QString& name);

private:
    Workbook& workbook_;
    std::vector<std::unique_ptr<Worksheet>> sheets_;
    int active_ = 0;
    int lastNumber_ = 0;
};

} // namespace excel
