// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/windows1252.h"

#include <gtest/gtest.h>

namespace ravelin {
namespace {

TEST(Windows1252Test, DecodesTheBytesWhereLatin1Differs)
{
    EXPECT_EQ(windows1252ToUtf8("\x80"), "\u20ac");
    EXPECT_EQ(windows1252ToUtf8("\x96"), "\u2013");
    EXPECT_EQ(windows1252ToUtf8("\x84\x93"), "\u201e\u201c");
    EXPECT_EQ(windows1252ToUtf8("\x9f"), "\u0178");
    EXPECT_EQ(windows1252ToUtf8("\x81"), "\u0081") << "undefined bytes pass through";
}

TEST(Windows1252Test, DecodesUmlautsAndAscii)
{
    EXPECT_EQ(windows1252ToUtf8("Spielbank Hamburg \x96 Franz\xf6sisches Roulette"),
              "Spielbank Hamburg \u2013 Franz\u00f6sisches Roulette");
    EXPECT_EQ(windows1252ToUtf8("\xe4\xf6\xfc\xc4\xd6\xdc\xdf"),
              "\u00e4\u00f6\u00fc\u00c4\u00d6\u00dc\u00df");
    EXPECT_EQ(windows1252ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Windows1252Test, Utf8Validation)
{
    struct Case {
        const char* name;
        std::string bytes;
        bool valid;
    };
    const Case cases[] = {
        {"ascii", "Spielbank", true},
        {"umlaut", "\xc3\xa4", true},
        {"euro", "\xe2\x82\xac", true},
        {"emoji", "\xf0\x9f\x8e\xb2", true},
        {"latin1 umlaut", "\xe4", false},
        {"truncated at end", "ab\xe2\x82", false},
        {"overlong slash", "\xc0\xaf", false},
        {"overlong three", "\xe0\x80\xaf", false},
        {"surrogate", "\xed\xa0\x80", false},
        {"past the last code point", "\xf4\x90\x80\x80", false},
        {"lone continuation", "\x80", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isValidUtf8(c.bytes), c.valid) << c.name;
}

} // namespace
} // namespace ravelin
