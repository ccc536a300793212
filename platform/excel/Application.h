#pragma once

#include "platform/excel/Workbooks.h"

#include <QString>

namespace excel {

// Stands in for "Excel.Application": the workbooks it has open, its version and the user
// name that a password to modify records.
class Application {
public:
    Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    excel::Workbooks& Workbooks() { return workbooks_; }
    // Excel 2007's version: callers save with file format 56.
    QString Version() const { return QStringLiteral("12.0"); }
    // The login name of the user unless set.
    const QString& UserName() const { return userName_; }
    void SetUserName(const QString& userName) { userName_ = userName; }
    // Closes every workbook without saving.
    void Quit() { workbooks_.Clear(); }

private:
    excel::Workbooks workbooks_;
    QString userName_;
};

} // namespace excel
