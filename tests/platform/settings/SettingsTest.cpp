#include "platform/settings/Settings.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
using Settings::GetSetting;
using Settings::SaveSetting;

const QString kTitle = QStringLiteral("Quorvane制药GMP教育训练管理");

class SettingsTest : public testing::Test {
protected:
    void SetUp() override {
        previous = Settings::Folder();
        Settings::SetFolder(folder.path());
    }
    void TearDown() override { Settings::SetFolder(previous); }
    QTemporaryDir folder;
    QString previous;
};

TEST_F(SettingsTest, ANeverWrittenKeyReadsAsTheDefaultAndAWrittenOneAsItsValue) {
    EXPECT_EQ(GetSetting(kTitle, "设置", "公司名称", "Quorvane制药有限公司"),
              "Quorvane制药有限公司");
    EXPECT_EQ(GetSetting(kTitle, "设置", "Check1"), "");
    SaveSetting(kTitle, "设置", "公司名称", "华东制药厂");
    EXPECT_EQ(GetSetting(kTitle, "设置", "公司名称", "Quorvane制药有限公司"), "华东制药厂");
}

TEST_F(SettingsTest, ASavedEmptyTextIsReadAsEmptyNotAsTheDefault) {
    SaveSetting(kTitle, "设置", "公司名称", "");
    EXPECT_EQ(GetSetting(kTitle, "设置", "公司名称", "Quorvane制药有限公司"), "");
}

TEST_F(SettingsTest, ApplicationSectionAndKeyEachAddressTheirOwnValue) {
    SaveSetting(kTitle, "sSaveXLS", "text2", "QA记录");
    SaveSetting(kTitle, "设置", "text2", "other section");
    SaveSetting("Another program", "sSaveXLS", "text2", "other program");
    EXPECT_EQ(GetSetting(kTitle, "sSaveXLS", "text2", "QA教育训练管理"), "QA记录");
    EXPECT_EQ(GetSetting(kTitle, "设置", "text2"), "other section");
    EXPECT_EQ(GetSetting("Another program", "sSaveXLS", "text2"), "other program");
    EXPECT_EQ(GetSetting(kTitle, "sSaveXLS", "Text1", "none"), "none");
}

TEST_F(SettingsTest, AnyTextComesBackAsItWasSaved) {
    const QStringList texts = {"1",          "  blanks around  ", "甲, 乙",
                               "a;b",        "\"quoted\"",        "@Variant(x)",
                               "two\nlines", "key=value",         "back\\slash",
                               "true",       "#not a comment",    "[not a section]"};
    for (const QString& text : texts) {
        SaveSetting(kTitle, "sSaveXLS", "text2", text);
        EXPECT_EQ(GetSetting(kTitle, "sSaveXLS", "text2"), text) << text.toStdString();
    }
}

TEST_F(SettingsTest, ValuesOutliveTheProgramInTheUsersFolder) {
    SaveSetting(kTitle, "设置", "Check1", "1");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{kTitle + ".ini"});
    Settings::SetFolder(previous);
    EXPECT_EQ(GetSetting(kTitle, "设置", "Check1", "0"), "0");
    Settings::SetFolder(folder.path());
    EXPECT_EQ(GetSetting(kTitle, "设置", "Check1", "0"), "1");
}
} // namespace
