#include <gtest/gtest.h>

#include "collections/CodePage932.h"

namespace lumora {
namespace {

struct RoundTrip {
    const char* utf8;
    const char* cp932;
};

class Cp932RoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(Cp932RoundTrip, BothDirections) {
    const auto& c = GetParam();
    const Cp932Text enc = utf8ToCp932(c.utf8);
    ASSERT_TRUE(enc.ok());
    EXPECT_EQ(enc.text, c.cp932);
    EXPECT_EQ(enc.replaced, 0);
    const Cp932Text dec = cp932ToUtf8(c.cp932);
    ASSERT_TRUE(dec.ok());
    EXPECT_EQ(dec.text, c.utf8);
}

INSTANTIATE_TEST_SUITE_P(Names, Cp932RoundTrip,
                         ::testing::Values(RoundTrip{"お気に入り", "\x82\xA8\x8B\x43\x82\xC9\x93\xFC\x82\xE8"},
                                           RoundTrip{"", ""}, RoundTrip{"abc 123", "abc 123"},
                                           RoundTrip{"ﾙﾓﾗ", "\xD9\xD3\xD7"},       // half-width katakana
                                           RoundTrip{"表示", "\x95\x5C\x8E\xA6"},  // trail byte 0x5C
                                           RoundTrip{"a\\b~", "a\\b~"}));

TEST(Cp932, CharacterTheCodePageLacksBecomesQuestionMark) {
    const Cp932Text t = utf8ToCp932(
        "a\xF0\x9F\x98\x80"
        "b");  // an emoji
    ASSERT_TRUE(t.ok());
    EXPECT_EQ(t.text, "a?b");
    EXPECT_EQ(t.replaced, 1);
}

TEST(Cp932, InvalidInputIsRefused) {
    EXPECT_EQ(utf8ToCp932("a\xFF").status, Cp932Status::InvalidInput);
    EXPECT_EQ(utf8ToCp932("\xE3\x81").status, Cp932Status::InvalidInput);  // cut short
    EXPECT_EQ(utf8ToCp932("\xC0\xAF").status, Cp932Status::InvalidInput);  // overlong
    EXPECT_EQ(cp932ToUtf8("\x82").status, Cp932Status::InvalidInput);      // lead byte alone
    EXPECT_EQ(cp932ToUtf8("\x82\x20").status, Cp932Status::InvalidInput);  // bad trail byte
    EXPECT_TRUE(cp932ToUtf8("a\x82").text.empty());
}

TEST(Cp932, LossyDecodingKeepsTheGoodParts) {
    EXPECT_EQ(cp932ToUtf8Lossy("a\x82 b"), "a\xEF\xBF\xBD b");
    EXPECT_EQ(cp932ToUtf8Lossy("a\x82"
                               "b"),
              "a\xEF\xBC\xA3");  // 82 62 is a character: Ｃ
    EXPECT_EQ(cp932ToUtf8Lossy("\x82\xA8\x82"), "お\xEF\xBF\xBD");
    EXPECT_EQ(cp932ToUtf8Lossy("plain"), "plain");
}

}  // namespace
}  // namespace lumora
