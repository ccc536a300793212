#pragma once

#include "platform/excel/Constants.h"
#include "platform/excel/Styles.h"
#include "platform/excel/Worksheets.h"

#include <QString>

namespace excel {

class Application;

// One workbook, shaped after Excel's Workbook: new from Workbooks.Add, or read from a
// file by Workbooks.Open (then read-only).
class Workbook {
public:
    Workbook(Application& application, bool readOnly);
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    excel::Worksheets& Worksheets() { return worksheets_; }
    const excel::Worksheets& Worksheets() const { return worksheets_; }

    // Writes an Excel 97-2003 workbook. A non-empty password encrypts the file (password to
    // open); a non-empty write-reservation password makes it open read-only unless that
    // password is given (password to modify). The file is written beside the target and
    // renamed into place, replacing any file there. Throws excel::Error before anything
    // is written for arguments Excel refuses or a workbook the format cannot hold, and
    // for a file that cannot be written.
    void SaveAs(const QString& fileName, int fileFormat = xlWorkbookNormal,
                const QString& password = {}, const QString& writeResPassword = {},
                int accessMode = xlNoChange);
    // Closes without saving; the workbook is gone afterwards.
    void Close();

    Application& Parent() const { return application_; }
    excel::Styles& Styles() { return styles_; }
    const excel::Styles& Styles() const { return styles_; }

private:
    Application& application_;
    bool readOnly_;
    excel::Styles styles_;
    excel::Worksheets worksheets_;
};

} // namespace excel
