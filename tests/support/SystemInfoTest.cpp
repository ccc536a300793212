#include "support/SystemInfo.h"

#include "helpers/QvTest.h"
#include "helpers/TableSysInfo.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {
using sysinfo::RegRoot;

const QString kVersionKey = QStringLiteral(R"(SOFTWARE\Microsoft\Windows NT\CurrentVersion)");

class SystemInfoTest : public QvTest {
protected:
    void SetUp() override {
        SystemBits.clear();
        SystemDescription.clear();
    }
    void TearDown() override {
        SystemBits.clear();
        SystemDescription.clear();
        QvTest::TearDown();
    }
    void set(const char* value, const QString& text) {
        system.SetString(RegRoot::LocalMachine, kVersionKey, QString::fromLatin1(value), text);
    }
    // The values of a Windows 10 Pro, 22H2 registry.
    void windows10Pro() {
        set("ProductName", "Windows 10 Pro");
        set("CurrentVersion", "6.3");
        set("ReleaseId", "2009");
        set("CurrentBuildNumber", "19045");
        set("BuildLab", "19041.vb_release.191206-1406");
        system.SetDword(RegRoot::LocalMachine, kVersionKey, "UBR", 2965);
    }

    TableSysInfo system;
};

TEST_F(SystemInfoTest, TheRegistryNamesProductReleaseBuildAndUpdate) {
    windows10Pro();
    EXPECT_EQ(GetOsDescription(), "Windows 10 Pro 版本:2009 (内部版本:19045.2965)");
    ComputeSystemDescription();
    EXPECT_EQ(SystemBits, "64");
    EXPECT_EQ(SystemDescription, "Windows 10 Pro 版本:2009 (内部版本:19045.2965)[64位]");
}

TEST_F(SystemInfoTest, OlderSystemsFallBackToCurrentVersionAndBuildLab) {
    set("ProductName", "Windows 7 Professional");
    set("CurrentVersion", "6.1");
    set("CurrentBuildNumber", "7601");
    set("BuildLab", "7601.win7sp1_ldr.170913-0600");
    set("CSDVersion", "Service Pack 1");
    EXPECT_EQ(GetOsDescription(),
              "Windows 7 Professional 版本:6.1 (内部版本:7601.win7sp1_ldr.170913-0600 : Service "
              "Pack 1)");

    set("ProductName", "Windows Vista (TM) Business");
    set("CSDVersion", QString(300, u'x'));
    EXPECT_EQ(GetOsDescription(),
              "Windows Vista (TM) Business 版本:6.1 (内部版本:7601.win7sp1_ldr.170913-0600)");
}

TEST_F(SystemInfoTest, WithoutAProductNameTheVersionInformationNamesTheSystem) {
    QTemporaryDir folder;
    QFile kernel(folder.filePath("kernel32.dll"));
    ASSERT_TRUE(kernel.open(QIODevice::WriteOnly));
    kernel.close();
    system.systemFolder = folder.path() + u'\\';
    system.productVersions.insert(kernel.fileName(), {0x00060003, 0x25804287});
    ComputeSystemDescription();
    EXPECT_EQ(SystemDescription, "Windows 8.1 [6.3.9600.17031][64位]");
}

TEST_F(SystemInfoTest, BitnessComesFromTheSystemTypeElseFromTheWow64Test) {
    struct Case {
        std::optional<QStringList> types;
        std::optional<bool> wow64;
        const char* bits;
    };
    const std::vector<Case> cases = {
        {QStringList{"x64-based PC"}, false, "64"},
        {QStringList{"", "  X64-based PC ; "}, false, "64"},
        {QStringList{"ARM64-based PC"}, false, "64"},
        {QStringList{"X86-based PC"}, true, "64"},
        {QStringList{"X86-based PC"}, false, "32"},
        {std::nullopt, true, "64"},
        {std::nullopt, std::nullopt, "32"},
    };
    for (const Case& c : cases) {
        system.systemTypes = c.types;
        system.wow64 = c.wow64;
        ComputeSystemDescription();
        EXPECT_EQ(SystemBits, c.bits) << (c.types ? c.types->join('|').toStdString() : "failed");
        EXPECT_TRUE(SystemDescription.endsWith(QStringLiteral("[%1位]").arg(c.bits)));
    }
}

// What the system's own files say, read without the program's code.
QString shellOutput(const QString& command) {
    QProcess shell;
    shell.start("/bin/sh", {"-c", command});
    shell.waitForFinished();
    return QString::fromUtf8(shell.readAllStandardOutput()).trimmed();
}

TEST(SystemInfoOnThisMachine, DescribesTheSystemFromItsReleaseFileAndKernel) {
    SystemBits.clear();
    const QString name = shellOutput(". /etc/os-release; echo \"$NAME\"");
    const QString release = shellOutput(". /etc/os-release; echo \"$VERSION_ID\"");
    const QString kernel = shellOutput("uname -r");
    const QString machine = shellOutput("uname -m");
    ASSERT_FALSE(name.isEmpty());
    ASSERT_FALSE(release.isEmpty());
    const QString bits = machine == "x86_64" || machine == "aarch64" ? "64" : "32";

    ComputeSystemDescription();
    EXPECT_EQ(SystemDescription,
              name + " 版本:" + release + " (内部版本:" + kernel + ")[" + bits + "位]");
    SystemBits.clear();
    SystemDescription.clear();
}
} // namespace
