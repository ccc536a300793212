#include "helpers/IndependentReaders.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <gtest/gtest.h>

namespace independent {
namespace {
// Debian's interpreter, which has xlrd and msoffcrypto; not whichever python3 is on PATH.
const QString kPython = QStringLiteral("/usr/bin/python3");

QProcess& run(QProcess& process, const QStringList& arguments) {
    process.start(kPython,
                  QStringList{QStringLiteral(QVLEDGER_TEST_HELPERS_DIR "/xls_readers.py")} +
                      arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << arguments.join(u' ').toStdString();
    return process;
}

} // namespace

QJsonObject Dump(const QString& file) {
    QProcess process;
    run(process, {QStringLiteral("cells"), file});
    const QByteArray errors = process.readAllStandardError();
    EXPECT_EQ(process.exitCode(), 0) << errors.toStdString();
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

QJsonObject Records(const QString& file) {
    QProcess process;
    run(process, {QStringLiteral("records"), file});
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

QJsonObject FormatOf(const QJsonObject& dump, int row, int column, int sheet) {
    return dump[QStringLiteral("sheets")][sheet][QStringLiteral("formats")]
               [QStringLiteral("%1,%2").arg(row).arg(column)]
                   .toObject();
}

int Decrypt(const QString& file, const QString& password, const QString& out) {
    QProcess process;
    const int code = run(process, {QStringLiteral("decrypt"), file, password, out}).exitCode();
    EXPECT_TRUE(code == 0 || code == 2 || code == 3)
        << process.readAllStandardError().toStdString();
    return code;
}

std::pair<qint64, QString> Stream(const QString& file, const QString& name) {
    QProcess process;
    run(process, {QStringLiteral("stream"), file, name});
    const QJsonObject stream = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    return {stream[QStringLiteral("size")].toInteger(), stream[QStringLiteral("sha1")].toString()};
}

std::vector<SheetTexts> Texts(const QString& file) {
    QProcess process;
    run(process, {QStringLiteral("texts"), file});
    std::vector<SheetTexts> sheets;
    const QJsonArray dumped =
        QJsonDocument::fromJson(process.readAllStandardOutput())[QStringLiteral("sheets")]
            .toArray();
    for (const QJsonValue& dumpedSheet : dumped) {
        SheetTexts sheet{dumpedSheet[QStringLiteral("name")].toString(), {}};
        const QJsonObject cells = dumpedSheet[QStringLiteral("cells")].toObject();
        for (auto cell = cells.begin(); cell != cells.end(); ++cell) {
            const QStringList place = cell.key().split(u',');
            sheet.cells.insert({place.at(0).toInt(), place.at(1).toInt()}, cell.value().toString());
        }
        sheets.push_back(sheet);
    }
    return sheets;
}

QJsonObject Inspect(const QString& file, const QString& openPassword) {
    QStringList arguments = {QStringLiteral("inspect"), file};
    if (!openPassword.isEmpty()) {
        arguments.push_back(openPassword);
    }
    QProcess process;
    run(process, arguments);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

QJsonObject Sheet(const QJsonObject& inspected, const QString& sheet) {
    for (const QJsonValue& value : inspected.value(QStringLiteral("sheets")).toArray()) {
        if (value.toObject().value(QStringLiteral("name")).toString() == sheet) {
            return value.toObject();
        }
    }
    return {};
}

QJsonObject Cell(const QJsonObject& inspected, const QString& sheet, const QString& cell) {
    return Sheet(inspected, sheet).value(QStringLiteral("cells")).toObject().value(cell).toObject();
}

} // namespace independent
