#include "platform/sysinfo/OsRelease.h"

#include <gtest/gtest.h>

namespace {
TEST(ParseOsRelease, ReadsAssignmentsInShellQuoting) {
    const QHash<QString, QString> fields =
        sysinfo::ParseOsRelease("# written by the distribution\n"
                                "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"
                                "NAME=\"Debian GNU/Linux\"\n"
                                "VERSION_ID=\"12\"\n"
                                "\n"
                                "ID=debian\n"
                                "VARIANT='Server \"Edition\"'\n"
                                "QUOTED=\"say \\\"hi\\\" for \\$5\"\n"
                                "EMPTY=\n"
                                "  SPACED = \"yes\"  \r\n"
                                "not an assignment\n"
                                "=no name\n");
    EXPECT_EQ(fields.value("PRETTY_NAME"), "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(fields.value("NAME"), "Debian GNU/Linux");
    EXPECT_EQ(fields.value("VERSION_ID"), "12");
    EXPECT_EQ(fields.value("ID"), "debian");
    EXPECT_EQ(fields.value("VARIANT"), "Server \"Edition\"");
    EXPECT_EQ(fields.value("QUOTED"), "say \"hi\" for $5");
    EXPECT_TRUE(fields.contains("EMPTY"));
    EXPECT_EQ(fields.value("EMPTY"), "");
    EXPECT_EQ(fields.value("SPACED"), "yes");
    EXPECT_EQ(fields.size(), 8);
}

TEST(ParseOsRelease, KeepsTheUtf8OfNames) {
    EXPECT_EQ(sysinfo::ParseOsRelease("NAME=\"深度操作系统\"").value("NAME"), "深度操作系统");
    EXPECT_TRUE(sysinfo::ParseOsRelease("").isEmpty());
}
} // namespace
