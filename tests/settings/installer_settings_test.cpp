#include "settings/installer_settings.h"

#include <gtest/gtest.h>

TEST(Defaults, FollowTheProgramFilesFolder) {
    const InstallerSettings found = DefaultSettings(std::string("C:\\Program Files"));
    EXPECT_EQ(found.InstallPath, "C:\\Program Files\\VortanBar");
    EXPECT_EQ(found.ServerAddress, DefaultServerAddress);
    EXPECT_TRUE(found.UseGoogle);
    EXPECT_TRUE(found.Pults.Empty());

    EXPECT_EQ(DefaultSettings(std::nullopt).InstallPath, "");
}

TEST(Defaults, AskTheShellForProgramFiles) {
    EXPECT_EQ(DefaultSettings().InstallPath, "C:\\Program Files\\VortanBar");
}

TEST(Defaults, ServerAddressIsDottedDecimalIpv4) {
    const std::string address = DefaultServerAddress;
    int parts[4] = {-1, -1, -1, -1};
    char tail = 0;
    ASSERT_EQ(
        sscanf(address.c_str(), "%d.%d.%d.%d%c", &parts[0], &parts[1], &parts[2], &parts[3], &tail),
        4);
    for (int p : parts) {
        EXPECT_GE(p, 0);
        EXPECT_LE(p, 255);
    }
}

TEST(ConsoleList, KeepsOrderDuplicatesAndPositions) {
    TVortanes list;
    list.Append({"10", "a"});
    list.Append({"20", "b"});
    list.Append({"10", "c"}); // same number again: a second entry
    ASSERT_EQ(list.Count(), 3u);

    list.Replace(1, {"21", ""});
    EXPECT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.At(1), (TVortan{"21", ""}));

    list.Erase(0);
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.At(0), (TVortan{"21", ""}));
    EXPECT_EQ(list.At(1), (TVortan{"10", "c"}));
}

TEST(ConsoleList, EntriesAreValues) {
    TVortanes list;
    TVortan entry{"1", "secret"};
    list.Append(entry);
    entry.Password = "changed";
    TVortanes copy = list;
    copy.Replace(0, {"2", "x"});
    EXPECT_EQ(list.At(0), (TVortan{"1", "secret"}));
}
