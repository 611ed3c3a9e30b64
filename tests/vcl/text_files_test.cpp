#include "vcl/files.h"
#include "vcl/text.h"

#include "support/scratch.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(Text, TrimDropsBlanksAndControlCharactersOnly) {
    EXPECT_EQ(vcl::Trim(" \t\r\n Пульт 1 \x01"), "Пульт 1");
    EXPECT_EQ(vcl::Trim("   "), "");
    EXPECT_EQ(vcl::Trim(""), "");
    EXPECT_EQ(vcl::Narrow(vcl::Widen("Вортан★")), "Вортан★");
}

TEST(Files, PathSplitting) {
    EXPECT_EQ(vcl::ExtractFilePath("C:\\a b\\Setup.exe"), "C:\\a b\\");
    EXPECT_EQ(vcl::ExtractFileName("C:\\a b\\Setup.exe"), "Setup.exe");
    EXPECT_EQ(vcl::ExtractFilePath("C:Setup.exe"), "C:");
    EXPECT_EQ(vcl::ExtractFileName("Setup.exe"), "Setup.exe");
}

TEST(Files, SameFileByIdentityNotByText) {
    ScratchFolder dir("same");
    WriteFileBytes(dir.Path() / "f.txt", "x");
    WriteFileBytes(dir.Path() / "g.txt", "x");
    const std::string d = dir.Utf8();
    EXPECT_TRUE(vcl::SameFile(d + "\\f.txt", d + "\\\\F.TXT"));
    EXPECT_FALSE(vcl::SameFile(d + "\\f.txt", d + "\\g.txt"));
    EXPECT_FALSE(vcl::SameFile(d + "\\f.txt", d + "\\missing.txt"));
    EXPECT_TRUE(vcl::DirectoryExists(d));
    EXPECT_FALSE(vcl::DirectoryExists(d + "\\f.txt"));
}
