#include "helpers/ScriptedMessages.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

ScriptedMessages& ScriptedMessages::Instance() {
    static ScriptedMessages instance;
    return instance;
}

void ScriptedMessages::Expect(ui::Icon icon, const QString& text, ui::Answer answer) {
    expected_.push_back({icon, text, answer});
}

void ScriptedMessages::ExpectMatching(ui::Icon icon, const QString& pattern, ui::Answer answer) {
    expected_.push_back({icon, pattern, answer, true});
}

void ScriptedMessages::VerifyAndReset() {
    for (const Expected& missing : expected_) {
        ADD_FAILURE() << "expected message not shown: " << missing.text.toStdString();
    }
    expected_.clear();
    shown_.clear();
}

ui::Answer ScriptedMessages::Show(QWidget*, const QString& text, ui::Icon icon,
                                  ui::Buttons buttons) {
    shown_.push_back({icon, text});
    const ui::Answer fallback = buttons == ui::Buttons::YesNo ? ui::Answer::No : ui::Answer::Ok;
    if (expected_.isEmpty()) {
        ADD_FAILURE() << "unexpected message: " << text.toStdString();
        return fallback;
    }
    const Expected next = expected_.takeFirst();
    if (next.pattern) {
        EXPECT_TRUE(QRegularExpression(QRegularExpression::anchoredPattern(next.text))
                        .match(text)
                        .hasMatch())
            << text.toStdString() << " does not match " << next.text.toStdString();
    } else {
        EXPECT_EQ(next.text.toStdString(), text.toStdString());
    }
    EXPECT_EQ(static_cast<int>(next.icon), static_cast<int>(icon)) << text.toStdString();
    return next.answer;
}
