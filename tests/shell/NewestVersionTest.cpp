#include "shell/NewestVersion.h"

#include <gtest/gtest.h>

namespace {
struct Case {
    const char* published;
    int major;
    int minor;
    int revision;
    bool newer;
};

TEST(IsNewerVersion, ComparesTheCombinedNumbersInSinglePrecision) {
    const std::vector<Case> cases = {
        {"2.5.530", 2, 5, 529, true},
        {"2.5.529", 2, 5, 529, false},
        {"2.5.100", 2, 5, 529, false},
        {"3.0.0", 2, 5, 529, true},
        {"2.6.0", 2, 5, 529, true},
        // 20,050,529 and 20,050,528 are the same float.
        {"2.5.529", 2, 5, 528, false},
        {"2.5.531", 2, 5, 530, true},
        {"0.0.1", 0, 0, 0, true},
        {"-1.0.0", 0, 0, 0, false},
        {" 2.5.530", 2, 5, 529, true},
        {"1e1.0.0", 9, 0, 0, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsNewerVersion(QString::fromLatin1(c.published), c.major, c.minor, c.revision),
                  c.newer)
            << c.published << " against " << c.major << '.' << c.minor << '.' << c.revision;
    }
}

TEST(IsNewerVersion, TextsThatAreNotThreeNumbersAreNeverNewer) {
    for (const char* published :
         {"2.6", "2.6.0.1", "V2.6.0", "", "...", "2..5", "2.5.x", "2.5.530.", "1e39.0.0",
          "9e37.0.0", "3.4e38.1.1", "inf.0.0", "nan.0.0", "0x10.0.0", "1,0.0.0"}) {
        EXPECT_FALSE(IsNewerVersion(QString::fromLatin1(published), 0, 0, 0)) << published;
    }
}
} // namespace
