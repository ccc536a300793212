#include "CustomerWorkbook.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

bool WriteCustomerWorkbook(const QString& path, int sheets, int rows,
                           const QString& coursePadding) {
    constexpr int kFirstRow = 8;
    QJsonArray sheetContents;
    for (int s = 0; s < sheets; ++s) {
        QJsonObject cells;
        for (int row = kFirstRow; row < kFirstRow + rows; ++row) {
            const QString at = QString::number(row);
            cells["A" + at] = "质量部";
            cells["F" + at] = QJsonObject{{"date", "2014-12-04"}};
            cells["G" + at] = QStringLiteral("SOP-%1").arg(row);
            cells["I" + at] = "偏差处理";
            cells["J" + at] = QStringLiteral("课程%1").arg(row) + coursePadding;
        }
        sheetContents.append(
            QJsonObject{{"name", QStringLiteral("员工%1").arg(s)}, {"cells", cells}});
    }
    const QString contents = path + QStringLiteral(".json");
    QFile contentsFile(contents);
    if (!contentsFile.open(QIODevice::WriteOnly)) {
        return false;
    }
    contentsFile.write(QJsonDocument(QJsonObject{{"sheets", sheetContents}}).toJson());
    contentsFile.close();
    const int rc = QProcess::execute(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral(QVLEDGER_TEST_IMPORT_DIR "/make_workbook.py"), path, contents});
    QFile::remove(contents);
    return rc == 0;
}
