#include "TestFiles.h"
#include "helpers/IndependentReaders.h"
#include "helpers/TestFolder.h"
#include "platform/excel/Application.h"
#include "platform/excel/Constants.h"
#include "platform/excel/Error.h"
#include "platform/excel/PasswordVerifier.h"
#include "platform/excel/RangeFormat.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {
using namespace excel;
using independent::Decrypt;
using independent::Dump;

// Enough rows for the stream to run through some hundred 1024-byte key blocks, with
// strings, numbers, dates, merges and formats among them.
void fill(Worksheet& sheet) {
    sheet.SetName(QStringLiteral("加密"));
    sheet.Range(QStringLiteral("A1")).SetValue(QStringLiteral("标题"));
    sheet.Range(QStringLiteral("A1:D1")).Merge();
    sheet.Range(QStringLiteral("A1:D1")).Interior().SetColorIndex(46);
    for (int row = 2; row <= 400; ++row) {
        sheet.Range(QStringLiteral("A%1").arg(row))
            .SetValue(QStringLiteral("第%1行的文字").arg(row));
        sheet.Range(QStringLiteral("B%1").arg(row)).SetValue(row * 1.5);
        sheet.Range(QStringLiteral("C%1").arg(row)).SetValue(QStringLiteral("2014-12-04"));
        sheet.Range(QStringLiteral("D%1").arg(row)).SetValue(QString(row % 50, u'x'));
        sheet.Range(QStringLiteral("A%1:D%1").arg(row)).Borders().SetLineStyle(xlContinuous);
    }
    sheet.Columns().AutoFit();
}

class Encryption : public testing::Test {
protected:
    Encryption() { app.SetUserName(QStringLiteral("质量部")); }

    QString save(const QString& name, const QString& password, const QString& modify = {}) {
        const QString file = folder.File(name);
        book.SaveAs(file, xlExcel8, password, modify, xlNoChange);
        return file;
    }

    TestFolder folder;
    Application app;
    Workbook& book = app.Workbooks().Add();
};

TEST_F(Encryption, TheRightPasswordDecryptsToTheSameWorkbook) {
    fill(book.Worksheets().Item(1));
    const QString plain = save(QStringLiteral("plain.xls"), {});
    const QString encrypted = save(QStringLiteral("encrypted.xls"), QStringLiteral("s3cret"));
    const QString decrypted = folder.File(QStringLiteral("decrypted.xls"));
    ASSERT_EQ(Decrypt(encrypted, QStringLiteral("s3cret"), decrypted), 0);
    const QJsonObject expected = Dump(plain);
    const QJsonObject actual = Dump(decrypted);
    EXPECT_EQ(actual["sheets"], expected["sheets"]);
    EXPECT_EQ(actual["xf_count"], expected["xf_count"]);
    EXPECT_EQ(independent::Records(encrypted)["filepass"], true);
    EXPECT_EQ(independent::Records(plain)["filepass"], false);
}

TEST_F(Encryption, AWrongPasswordIsRefused) {
    fill(book.Worksheets().Item(1));
    const QString encrypted = save(QStringLiteral("encrypted.xls"), QStringLiteral("s3cret"));
    const QString out = folder.File(QStringLiteral("out.xls"));
    EXPECT_EQ(Decrypt(encrypted, QStringLiteral("S3cret"), out), 3);
    EXPECT_EQ(Decrypt(encrypted, QString(), out), 3);
}

TEST_F(Encryption, AnyUnicodePasswordWorks) {
    book.Worksheets().Item(1).Range(QStringLiteral("A1")).SetValue(QStringLiteral("内容"));
    const QString password = QStringLiteral("密码 Pass_word-2024");
    const QString encrypted = save(QStringLiteral("encrypted.xls"), password);
    const QString out = folder.File(QStringLiteral("out.xls"));
    ASSERT_EQ(Decrypt(encrypted, password, out), 0);
    EXPECT_EQ(Dump(out)["sheets"][0]["values"]["0,0"][1], "内容");
}

TEST_F(Encryption, AnEmptyPasswordLeavesTheFilePlain) {
    const QString file = save(QStringLiteral("plain.xls"), {});
    EXPECT_EQ(Decrypt(file, QString(), folder.File(QStringLiteral("out.xls"))), 2);
    const QJsonObject records = independent::Records(file);
    EXPECT_EQ(records["writeprot"], false);
    EXPECT_EQ(records["filesharing"], QJsonValue::Null);
}

TEST(PasswordVerifier, MatchesThePublishedValues) {
    EXPECT_EQ(PasswordVerifier(QStringLiteral("abcdefghij")), 0xFEF1);
    EXPECT_EQ(PasswordVerifier(QStringLiteral("password")), 0x83AF);
    EXPECT_EQ(PasswordVerifier(QString()), 0);
    EXPECT_EQ(PasswordVerifier(QStringLiteral("abcdefghijklmnopq")),
              PasswordVerifier(QStringLiteral("abcdefghijklmno")))
        << "only the first 15 characters count";
    EXPECT_EQ(PasswordVerifierOfBytes("abcdefghij"), 0xFEF1);
    EXPECT_EQ(PasswordVerifier(QStringLiteral("密码")), PasswordVerifierOfBytes("\xC3\xDC\xC2\xEB"))
        << "Chinese characters count as their two bytes in code page 936";
}

TEST_F(Encryption, APasswordToModifyReservesTheFileForItsUser) {
    const QString file = save(QStringLiteral("reserved.xls"), {}, QStringLiteral("password"));
    const QJsonObject records = independent::Records(file);
    EXPECT_EQ(records["writeprot"], true);
    EXPECT_EQ(records["filesharing"]["verifier"], 0x83AF);
    EXPECT_EQ(records["filesharing"]["readonly"], 0);
    EXPECT_EQ(records["filesharing"]["user"], "质量部");
}

TEST_F(Encryption, BothPasswordsTogether) {
    fill(book.Worksheets().Item(1));
    const QString file =
        save(QStringLiteral("both.xls"), QStringLiteral("open"), QStringLiteral("abcdefghij"));
    const QString out = folder.File(QStringLiteral("out.xls"));
    ASSERT_EQ(Decrypt(file, QStringLiteral("open"), out), 0);
    const QJsonObject dump = Dump(out);
    EXPECT_EQ(dump["records"]["writeprot"], true);
    EXPECT_EQ(dump["records"]["filesharing"]["verifier"], 0xFEF1);
    EXPECT_EQ(dump["sheets"][0]["values"]["399,0"][1], "第400行的文字");
}

TEST_F(Encryption, OurReaderTellsAnEncryptedFileFromADamagedOne) {
    book.Worksheets().Item(1).Range(QStringLiteral("A1")).SetValue(QStringLiteral("秘密"));
    const QString small = save(QStringLiteral("small.xls"), QStringLiteral("s3cret"));
    fill(book.Worksheets().Item(2));
    const QString large =
        save(QStringLiteral("large.xls"), QStringLiteral("s3cret"), QStringLiteral("modify"));
    const QString byLibreOffice =
        ExcelTestFile(QStringLiteral("fixtures/libreoffice_password.xls"));
    for (const QString& file : {small, large, byLibreOffice}) {
        EXPECT_EQ(independent::Records(file)["filepass"], true) << file.toStdString();
        try {
            app.Workbooks().Open(file);
            ADD_FAILURE() << "opened " << file.toStdString();
        } catch (const Error& error) {
            EXPECT_EQ(error.Description(),
                      QStringLiteral("工作簿“%1”设有打开密码，无法读取。").arg(file));
        }
    }
}

} // namespace
