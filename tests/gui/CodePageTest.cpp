#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

namespace {

// The suite runs once under each code page a player may have (see the test presets); each run
// checks that it really got the one it was started for.
TEST(CodePageTest, TheSuiteRunsUnderTheCodePageItWasStartedFor) {
    const char* wanted = std::getenv("MENDO_CODE_PAGE");
    ASSERT_NE(wanted, nullptr) << "run the suite through its test preset";
    EXPECT_EQ(GetACP(), std::strtoul(wanted, nullptr, 10));
}

}  // namespace
