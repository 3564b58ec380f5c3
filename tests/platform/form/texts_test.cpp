#include "platform/win/form/texts.h"

#include <gtest/gtest.h>

namespace tavrin::platform {
namespace {

TEST(DecimalText, WritesDigitsOnly) {
    const struct {
        int value;
        const char* text;
    } cases[] = {{0, "0"},
                 {1, "1"},
                 {7, "7"},
                 {10, "10"},
                 {100, "100"},
                 {1000, "1000"},
                 {2147483647, "2147483647"}};
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalText(c.value), c.text) << c.value;
    }
}

TEST(JoinTexts, JoinsInOrderAndTakesMissingAsEmpty) {
    EXPECT_EQ(JoinTexts({"C:\\Tools", "\\", "7", ".ico"}), "C:\\Tools\\7.ico");
    EXPECT_EQ(JoinTexts({nullptr, "\\", "7", ".ico"}), "\\7.ico");
    EXPECT_EQ(JoinTexts({"a", nullptr, "b"}), "ab");
    EXPECT_EQ(JoinTexts({}), "");
    EXPECT_EQ(JoinTexts({nullptr}), "");
}

TEST(JoinTexts, KeepsBytesExactly) {
    // Double-byte and invalid sequences pass through untouched.
    EXPECT_EQ(JoinTexts({"\x95\x5C", "\xFF\xFE", " \r\n"}), "\x95\x5C\xFF\xFE \r\n");
}

TEST(CopyText, GivesANewTextAndEmptyForMissing) {
    const char original[] = "path";
    const std::string copy = CopyText(original);
    EXPECT_EQ(copy, "path");
    EXPECT_NE(static_cast<const void*>(copy.data()), static_cast<const void*>(original));
    EXPECT_EQ(CopyText(static_cast<const char*>(nullptr)), "");
}

TEST(WideFromUtf8, ConvertsCaptions) {
    EXPECT_EQ(WideFromUtf8("提取"), L"提取");
    EXPECT_EQ(WideFromUtf8("Tavrin"), L"Tavrin");
    EXPECT_EQ(WideFromUtf8(""), L"");
}

}  // namespace
}  // namespace tavrin::platform
