#include "support/Registry.h"

#include "helpers/QvTest.h"
#include "helpers/TableSysInfo.h"
#include "support/SystemInfo.h"

namespace {
using sysinfo::RegRoot;

TEST(RegRootKey, KnowsTheSevenRootsWhateverTheirCaseAndBlanks) {
    const std::vector<std::pair<const char*, RegRoot>> cases = {
        {"HKEY_CLASSES_ROOT", RegRoot::ClassesRoot},
        {"HKEY_CURRENT_USER", RegRoot::CurrentUser},
        {"hkey_local_machine", RegRoot::LocalMachine},
        {"  HKEY_USERS ", RegRoot::Users},
        {"HKEY_PERFORMANCE_DATA", RegRoot::PerformanceData},
        {"HKEY_CURRENT_CONFIG", RegRoot::CurrentConfig},
        {"HKEY_DYN_DATA", RegRoot::DynData},
        {"HKEY_LOCAL", RegRoot::None},
        {"HKLM", RegRoot::None},
        {"", RegRoot::None},
    };
    for (const auto& [name, root] : cases) {
        EXPECT_EQ(RegRootKey(QString::fromLatin1(name)), root) << name;
    }
    EXPECT_EQ(static_cast<quint32>(RegRoot::LocalMachine), 0x80000002u);
}

TEST(RegSplitPath, SplitsTheRootFromTheKeyPath) {
    struct Case {
        const char* path;
        RegRoot root;
        const char* rest;
    };
    const std::vector<Case> cases = {
        {"HKEY_CURRENT_USER", RegRoot::CurrentUser, ""},
        {R"(hkey_local_machine\Software)", RegRoot::LocalMachine, "Software"},
        {R"(HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion)",
         RegRoot::LocalMachine, R"(SOFTWARE\Microsoft\Windows NT\CurrentVersion)"},
        {R"(HKEY_LOCAL_MACHINE\Software\)", RegRoot::None, R"(HKEY_LOCAL_MACHINE\Software\)"},
        {R"(SOFTWARE\Microsoft)", RegRoot::None, R"(SOFTWARE\Microsoft)"},
        {R"(HKEY_NOWHERE\Software)", RegRoot::None, "Software"},
    };
    for (const Case& c : cases) {
        QString path = QString::fromLatin1(c.path);
        EXPECT_EQ(RegSplitPath(path), c.root) << c.path;
        EXPECT_EQ(path, QString::fromLatin1(c.rest)) << c.path;
    }
}

class RegReadTest : public QvTest {
protected:
    void TearDown() override {
        SystemBits.clear();
        QvTest::TearDown();
    }
    QString path(const char* value) {
        system.SetString(RegRoot::CurrentUser, "Software\\Test", QString::fromLatin1(value),
                         stored);
        return RegReadString(R"(HKEY_CURRENT_USER\Software\Test)", QString::fromLatin1(value));
    }
    TableSysInfo system;
    QString stored;
};

TEST_F(RegReadTest, AStringIsTrimmedAndEndsAtItsFirstNul) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"  Windows 10 Pro  ", "Windows 10 Pro"},
        {QString("2009") + QChar(u'\0') + "rest", "2009"},
        {"", ""},
        {QString(254, u'a'), QString(254, u'a')},
        {QString(255, u'a'), "Error"},
        {QString(127, u'版'), "Error"},
    };
    for (const auto& [value, expected] : cases) {
        stored = value;
        EXPECT_EQ(path("Value"), expected) << value.size();
    }
}

TEST_F(RegReadTest, MissingValuesKeysAndRootsReadAsError) {
    EXPECT_EQ(RegReadString(R"(HKEY_CURRENT_USER\Software\Test)", "Absent"), "Error");
    EXPECT_EQ(RegReadString(R"(HKCU\Software\Test)", "Value"), "Error");
    EXPECT_EQ(RegReadDword(R"(HKEY_CURRENT_USER\Software\Test)", "Absent"), "Error");
    system.SetDword(RegRoot::CurrentUser, "software\\test", "UBR", 4294967295u);
    EXPECT_EQ(RegReadDword(R"(HKEY_CURRENT_USER\Software\Test)", "ubr"), "4294967295");
    EXPECT_EQ(RegReadString(R"(HKEY_CURRENT_USER\Software\Test)", "UBR"), "Error");
}

TEST_F(RegReadTest, TheViewIsTheArgumentElseTheSystemsBitness) {
    SystemBits.clear();
    system.systemTypes = QStringList{"x64-based PC"};
    RegReadString(R"(HKEY_CURRENT_USER\Software\Test)", "Value");
    EXPECT_EQ(SystemBits, "64");
    RegReadDword(R"(HKEY_CURRENT_USER\Software\Test)", "Value", "32");
    SystemBits = "32";
    RegReadString(R"(HKEY_CURRENT_USER\Software\Test)", "Value");
    RegReadString(R"(HKEY_CURRENT_USER\Software\Test)", "Value", "64");
    EXPECT_EQ(system.views64, QList<bool>({true, false, false, true}));
}
} // namespace
