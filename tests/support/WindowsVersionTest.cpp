#include "support/WindowsVersion.h"

#include "helpers/QvTest.h"
#include "helpers/TableSysInfo.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
using sysinfo::OsVersion;

OsVersion nt(quint32 major, quint32 minor, quint32 build, quint16 suiteMask = 0,
             quint8 productType = 1, std::optional<quint32> productCode = std::nullopt) {
    OsVersion v;
    v.platformId = 2;
    v.major = major;
    v.minor = minor;
    v.build = build;
    v.suiteMask = suiteMask;
    v.productType = productType;
    v.productCode = productCode;
    return v;
}

OsVersion withServicePack(OsVersion v, quint16 major, quint16 minor) {
    v.servicePackMajor = major;
    v.servicePackMinor = minor;
    return v;
}

OsVersion windows9x(quint32 minor, const char* servicePack) {
    OsVersion v;
    v.platformId = 1;
    v.major = 4;
    v.minor = minor;
    v.build = 950;
    v.servicePack = QString::fromLatin1(servicePack);
    v.servicePackMajor = 1;
    return v;
}

TEST(WindowsVersionName, TheSystemLibrarysProductVersionNamesNewerSystems) {
    const OsVersion reported = nt(6, 2, 9200);
    EXPECT_EQ(WindowsVersionName("6.3.9600.17031", reported), "Windows 8.1 [6.3.9600.17031]");
    EXPECT_EQ(WindowsVersionName("10.0.19041.3636", reported), "Windows 10.0.19041.3636");
    EXPECT_EQ(WindowsVersionName("6.2.9200.16384", reported), "Windows 8  [Version: 6.2.9200]");
    EXPECT_EQ(WindowsVersionName("6.3.9600", reported), "Windows 8  [Version: 6.2.9200]");
    EXPECT_EQ(WindowsVersionName("", std::nullopt), "Unknown System Version!");
}

TEST(WindowsVersionName, NamesNt5BySuiteMaskComparedAsAWhole) {
    const std::vector<std::pair<OsVersion, const char*>> cases = {
        {nt(5, 0, 2195, 2), "Windows 2000 Advanced [Version: 5.0.2195]"},
        {nt(5, 0, 2195, 128), "Windows 2000 Data center [Version: 5.0.2195]"},
        {nt(5, 0, 2195, 130), "Windows 2000 [Version: 5.0.2195]"},
        {nt(5, 1, 2600, 0), "Windows XP Professional [Version: 5.1.2600]"},
        {nt(5, 1, 2600, 512), "Windows XP Home [Version: 5.1.2600]"},
        {nt(5, 1, 2600, 768), "Windows XP [Version: 5.1.2600]"},
        {withServicePack(nt(5, 1, 2600, 512), 3, 0),
         "Windows XP Home Service Pack 3 [Version: 5.1.2600]"},
        {withServicePack(nt(5, 1, 2600, 0), 2, 1),
         "Windows XP Professional Service Pack 2.1 [Version: 5.1.2600]"},
        {nt(5, 2, 3790, 0), "Windows Server 2003 Standard [Version: 5.2.3790]"},
        {nt(5, 2, 3790, 2), "Windows Server 2003 Enterprise [Version: 5.2.3790]"},
        {nt(5, 2, 3790, 128), "Windows Server 2003 Data center [Version: 5.2.3790]"},
        {nt(5, 2, 3790, 274), "Windows Server 2003 R2 Enterprise [Version: 5.2.3790]"},
        {nt(5, 2, 3790, 1024), "Windows Server 2003 Web Edition [Version: 5.2.3790]"},
        {nt(5, 2, 3790, 16), "Windows Server 2003 [Version: 5.2.3790]"},
        {nt(5, 3, 1), " [Version: 5.3.1]"},
    };
    for (const auto& [version, name] : cases) {
        EXPECT_EQ(WindowsVersionName("", version), QString::fromUtf8(name)) << name;
    }
}

TEST(WindowsVersionName, NamesNt6ByMinorAndProductTypeWithTheEditionOfItsProductCode) {
    const std::vector<std::pair<OsVersion, const char*>> cases = {
        {nt(6, 0, 6002, 0, 1, 6), "Windows Vista Business Edition [Version: 6.0.6002]"},
        {nt(6, 0, 6002, 0, 3, 8),
         "Windows Server 2008 Server Datacenter Edition (full installation) [Version: 6.0.6002]"},
        {withServicePack(nt(6, 1, 7601, 0, 1, 1), 1, 0),
         "Windows 7 Ultimate Edition Service Pack 1 [Version: 6.1.7601]"},
        {nt(6, 1, 7600, 0, 1, 11), "Windows 7 Starter Edition [Version: 6.1.7600]"},
        {nt(6, 1, 7601, 0, 3, 7),
         "Windows Server 2008 R2 Server Standard Edition (full installation) [Version: 6.1.7601]"},
        {nt(6, 2, 9200, 0, 3, 10),
         "Windows Server 2012 Server Enterprise Edition (full installation) [Version: 6.2.9200]"},
        {nt(6, 2, 9200, 0, 1, 3), "Windows 8 Home Premium Edition [Version: 6.2.9200]"},
        {nt(6, 3, 9600, 0, 3, 0), "Windows 8.1 An unknown product [Version: 6.3.9600]"},
        {nt(6, 4, 9841, 0, 1, 0xABCDABCD), "Windows 10 Not activated product [Version: 6.4.9841]"},
        {nt(6, 5, 1, 0, 2, 99), "未知系统  [Version: 6.5.1]"},
        {nt(6, 0, 6000), "Windows Vista  [Version: 6.0.6000]"},
    };
    for (const auto& [version, name] : cases) {
        EXPECT_EQ(WindowsVersionName("", version), QString::fromUtf8(name)) << name;
    }
}

TEST(WindowsVersionName, NamesTheOlderPlatforms) {
    OsVersion dos;
    dos.build = 7;
    OsVersion other = nt(10, 0, 1);
    other.platformId = 3;
    const std::vector<std::pair<OsVersion, const char*>> cases = {
        {dos, "DOS [Version: 0.0.7]"},
        {windows9x(0, ""), "Windows 95 [Version: 4.0.950]"},
        {windows9x(0, " C"), "Windows 95 OSR2 [Version: 4.0.950]"},
        {windows9x(0, "B"), "Windows 95 OSR2 [Version: 4.0.950]"},
        {windows9x(10, ""), "Windows 98 [Version: 4.10.950]"},
        {windows9x(10, "A"), "Windows 98 SE [Version: 4.10.950]"},
        {windows9x(90, ""), "Windows Millennium Edition [Version: 4.90.950]"},
        {windows9x(3, ""), " [Version: 4.3.950]"},
        {nt(3, 51, 1057), "Windows NT 3.51 [Version: 3.51.1057]"},
        {withServicePack(nt(4, 0, 1381), 6, 0), "Windows NT 4.0 [Version: 4.0.1381]"},
        {nt(7, 0, 1), " [Version: 7.0.1]"},
        {other, "Unknown System Version! [Version: 10.0.1]"},
    };
    for (const auto& [version, name] : cases) {
        EXPECT_EQ(WindowsVersionName("", version), QString::fromUtf8(name)) << name;
    }
}

TEST(ProductVersionText, PrintsTheFourPartsUnsigned) {
    EXPECT_EQ(ProductVersionText({0x00060003, 0x25804287}), "6.3.9600.17031");
    EXPECT_EQ(ProductVersionText({0x8001FFFF, 0x7FFF8000}), "32769.65535.32767.32768");
    EXPECT_EQ(ProductVersionText({0, 0}), "0.0.0.0");
}

TEST(EditionText, FindsTheEditionOfEachProductCode) {
    EXPECT_EQ(EditionText(8), "Server Datacenter Edition (full installation)");
    EXPECT_EQ(EditionText(11), "Starter Edition");
    EXPECT_EQ(EditionText(17), "Web Server Edition");
    EXPECT_EQ(EditionText(0), "An unknown product");
    EXPECT_EQ(EditionText(0xABCDABCD), "Not activated product");
    EXPECT_EQ(EditionText(29), "");
}

class GetWindowsVersionNameTest : public QvTest {
protected:
    void SetUp() override {
        QFile kernel(folder.filePath("kernel32.dll"));
        ASSERT_TRUE(kernel.open(QIODevice::WriteOnly));
        system.version = nt(6, 2, 9200, 0, 1, 4);
    }
    QTemporaryDir folder;
    TableSysInfo system;
};

TEST_F(GetWindowsVersionNameTest, ReadsTheSystemLibraryInTheSystemFolder) {
    system.systemFolder = folder.path();
    system.productVersions.insert(folder.filePath("kernel32.dll"), {0x000A0000, 0x4A610E34});
    EXPECT_EQ(GetSystemFolder(), folder.path());
    EXPECT_EQ(GetWindowsVersionName(), "Windows 10.0.19041.3636");
}

TEST_F(GetWindowsVersionNameTest, ALibraryWithoutVersionInformationIsReportedAndPassedOver) {
    system.systemFolder = folder.path() + u'/';
    ScriptedMessages::Instance().Expect(ui::Icon::None, "No Version Info available!");
    EXPECT_EQ(GetWindowsVersionName(), "Windows 8 Enterprise Edition [Version: 6.2.9200]");
}

TEST_F(GetWindowsVersionNameTest, WithoutASystemFolderOnlyTheVersionQueryCounts) {
    EXPECT_EQ(GetSystemFolder(), "");
    EXPECT_EQ(GetWindowsVersionName(), "Windows 8 Enterprise Edition [Version: 6.2.9200]");
}
} // namespace
