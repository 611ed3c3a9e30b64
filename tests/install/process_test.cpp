#include "vcl/process.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(HiddenProcess, ReportsExitCodeTimeoutAndStartFailure) {
    const auto ran = std::filesystem::path(FAKE_TOOL ".ran");
    std::filesystem::remove(ran);
    const auto done = vcl::RunHiddenAndWait(FAKE_TOOL, "--exit=7", nullptr, 20'000);
    EXPECT_TRUE(done.started);
    EXPECT_FALSE(done.timedOut);
    EXPECT_EQ(done.exitCode, 7u);
    EXPECT_TRUE(std::filesystem::exists(ran));

    const auto slow = vcl::RunHiddenAndWait(FAKE_TOOL, "--sleep=20000", nullptr, 300);
    EXPECT_TRUE(slow.started);
    EXPECT_TRUE(slow.timedOut);

    const auto missing = vcl::RunHiddenAndWait("Z:\\no\\such\\tool.exe", "", nullptr, 1000);
    EXPECT_FALSE(missing.started);
    EXPECT_NE(missing.startError, 0u);
}
