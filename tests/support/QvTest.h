#pragma once

#include "support/PrintQt.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

// Base of the tests that expect messages: every expected message must have come.
class QvTest : public testing::Test {
protected:
    void TearDown() override { ScriptedMessages::Instance().VerifyAndReset(); }
};
