#pragma once

#include "helpers/PrintQt.h"
#include "helpers/ScriptedMessages.h"

#include <gtest/gtest.h>

// Base of the tests that expect messages: every expected message must have come.
class QvTest : public testing::Test {
protected:
    void TearDown() override { ScriptedMessages::Instance().VerifyAndReset(); }
};
