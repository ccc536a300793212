#include "helpers/XlsInspect.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <gtest/gtest.h>

QJsonObject InspectXls(const QString& path, const QString& openPassword) {
    QProcess reader;
    QStringList arguments = {QStringLiteral(QVLEDGER_TEST_HELPERS_DIR "/xls_inspect.py"), path};
    if (!openPassword.isEmpty()) {
        arguments.push_back(openPassword);
    }
    // Debian's interpreter has the readers; another python3 first on PATH may not.
    reader.start(QStringLiteral("/usr/bin/python3"), arguments);
    EXPECT_TRUE(reader.waitForFinished(60000));
    const QByteArray output = reader.readAllStandardOutput();
    EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(output).object();
}

QJsonObject XlsSheet(const QJsonObject& inspected, const QString& sheet) {
    for (const QJsonValue& value : inspected.value("sheets").toArray()) {
        if (value.toObject().value("name").toString() == sheet) {
            return value.toObject();
        }
    }
    return {};
}

QJsonObject XlsCell(const QJsonObject& inspected, const QString& sheet, const QString& cell) {
    return XlsSheet(inspected, sheet).value("cells").toObject().value(cell).toObject();
}
