#include "platform/ado/EngineError.h"

#include "platform/app/ErrorText.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace {
// The engine's result codes, as sqlite3.h numbers them.
constexpr int kBusy = 5;
constexpr int kLocked = 6;
constexpr int kReadOnly = 8;
constexpr int kCorrupt = 11;
constexpr int kFull = 13;
constexpr int kNotADatabase = 26;
constexpr int kWriteFailed = 10 | (3 << 8);
constexpr int kConstraint = 19;

TEST(EngineError, TheCauseComesFirstAndTheEnginesWordsOnlyAfterIt) {
    struct Case {
        int code;
        QString cause;
        bool locked;
    };
    const std::vector<Case> cases = {
        {kBusy, "数据库文件被其他程序锁定，请稍后再试。", true},
        {kLocked, "数据库文件被其他程序锁定，请稍后再试。", true},
        {kReadOnly, "没有写入权限。", false},
        {kCorrupt, "数据库文件已损坏。", false},
        {kNotADatabase, "数据库文件已损坏。", false},
        {kFull, "磁盘已满。", false},
        {kWriteFailed, "写入数据库文件时出错，磁盘可能已满。", false},
        {kConstraint, "数据不符合数据库的约束。", false},
        {1, "数据库无法完成这项操作。", false},
    };
    for (const Case& c : cases) {
        const ado::Error error = ado::detail::EngineError(c.code, "engine words");
        EXPECT_EQ(error.Description(), c.cause + "\n详细信息：engine words") << c.code;
        EXPECT_EQ(error.Code(), c.code);
        EXPECT_EQ(error.Locked(), c.locked) << c.code;
    }
    EXPECT_FALSE(ado::Error("对象关闭时，不允许操作。").Locked()) << "the layer's own refusals";
}

TEST(WriteFailure, NamesTheCausesAUserCanActOn) {
    EXPECT_EQ(ErrorText::WriteFailure(ENOSPC), "磁盘已满。");
    EXPECT_EQ(ErrorText::WriteFailure(EDQUOT), "磁盘已满。");
    EXPECT_EQ(ErrorText::WriteFailure(EACCES), "没有写入权限。");
    EXPECT_EQ(ErrorText::WriteFailure(EROFS), "没有写入权限。");
    EXPECT_EQ(ErrorText::WriteFailure(ENOENT), "文件夹不存在。");
    EXPECT_EQ(ErrorText::WriteFailure(EIO), "写入文件时出错。");
    EXPECT_EQ(ErrorText::WithDetail("磁盘已满。", ""), "磁盘已满。");
}
} // namespace
