#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace excel {

class Application;
class Workbook;

// The open workbooks of an Application, shaped after Excel's Workbooks collection.
class Workbooks {
public:
    explicit Workbooks(Application& application);
    ~Workbooks();
    Workbooks(const Workbooks&) = delete;
    Workbooks& operator=(const Workbooks&) = delete;

    // A new workbook with Excel's default sheets "Sheet1", "Sheet2" and "Sheet3".
    Workbook& Add();
    // Reads an Excel workbook (.xls) with its sheets, names and cell values, read-only.
    // Throws excel::Error for a missing file, a file that is not a workbook or is damaged,
    // and an encrypted one.
    Workbook& Open(const QString& fileName);
    int Count() const { return static_cast<int>(workbooks_.size()); }

    void Remove(const Workbook* workbook);
    void Clear();

private:
    Application& application_;
    std::vector<std::unique_ptr<Workbook>> workbooks_;
};

} // namespace excel
