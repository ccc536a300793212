#include "store/AuditRow.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {
Audit::Row row(const QString& text) {
    return {{"主讲人", "参加人员"}, {{Audit::Value::Text, text}, {}}};
}

TEST(AuditRow, ChangesReadBackAsJsonWhateverTheTextHolds) {
    for (const QString& text : {QString("O'Neil \"甲\""), QString("a\\b"), QString("一\n二\t三"),
                                QString(QChar(0x01)), QString()}) {
        QJsonParseError error;
        const QJsonArray changes =
            QJsonDocument::fromJson(Audit::ChangesJson(row("旧"), row(text)).toUtf8(), &error)
                .array();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << text.toStdString();
        ASSERT_EQ(changes.size(), 1);
        EXPECT_EQ(changes[0].toObject()["o"].toString(), "旧");
        EXPECT_EQ(changes[0].toObject()["n"].toString(), text);
    }
}

TEST(AuditRow, AnInsertListsEveryFieldAndNullStaysApartFromEmpty) {
    const QJsonArray changes =
        QJsonDocument::fromJson(Audit::ChangesJson({}, row("")).toUtf8()).array();
    ASSERT_EQ(changes.size(), 2);
    EXPECT_TRUE(changes[0].toObject()["o"].isNull());
    EXPECT_EQ(changes[0].toObject()["n"], "");
    EXPECT_TRUE(changes[1].toObject()["n"].isNull());
    EXPECT_NE(Audit::RowDigest(row("")), Audit::RowDigest({{"主讲人", "参加人员"}, {{}, {}}}));
}
} // namespace
