#pragma once

#include <QString>

// A file of this test folder, such as a fixture.
inline QString ExcelTestFile(const QString& name) {
    return QStringLiteral(QVLEDGER_EXCEL_TESTS) + u'/' + name;
}
