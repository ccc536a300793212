#include "platform/excel/Application.h"
#include "platform/excel/Error.h"
#include "platform/excel/Workbook.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

// The input is the whole workbook file, opened the way the import opens it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("input.xls"));
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
        std::abort();
    }
    file.close();
    excel::Application excel;
    try {
        excel.Workbooks().Open(fileName);
    } catch (const excel::Error&) {
    }
    excel.Quit();
    return 0;
}
