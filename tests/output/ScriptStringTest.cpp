#include "ScriptString.h"

#include "CaseName.h"

#include <gtest/gtest.h>

namespace {

struct EscapeCase {
    const char* name;
    QByteArray utf8;
    QByteArray expected;
};

class ScriptStringTest : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(ScriptStringTest, Escapes) {
    const QByteArray& utf8 = GetParam().utf8;
    const QByteArray& expected = GetParam().expected;
    EXPECT_EQ(NeedsScriptEscape(utf8), utf8 != expected);
    if (NeedsScriptEscape(utf8)) {
        EXPECT_EQ(EscapeForScriptString(utf8), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScriptStringTest,
    ::testing::Values(
        EscapeCase{"Empty", "", ""},
        EscapeCase{"PlainKeptByteForByte", "../my image %20(1)\".gif>",
                   "../my image %20(1)\".gif>"},
        EscapeCase{"Backslash", "C:\\img\\a.gif", "C:\\\\img\\\\a.gif"},
        EscapeCase{"SingleQuote", "it's.gif", "it\\'s.gif"},
        EscapeCase{"LessThanCannotCloseTheBlock", "</SCRIPT>.gif", "\\x3C/SCRIPT>.gif"},
        EscapeCase{"Tab", "a\tb", "a\\u0009b"},
        EscapeCase{"LineFeedAndCarriageReturn", "a\r\nb", "a\\u000D\\u000Ab"},
        EscapeCase{"UnitSeparatorInUppercaseHex", "\x1f", "\\u001F"},
        EscapeCase{"Latin", "caf\xc3\xa9.gif", "caf\\u00E9.gif"},
        EscapeCase{"LineSeparator",
                   "a\xe2\x80\xa8"
                   "b",
                   "a\\u2028b"},
        EscapeCase{"ParagraphSeparator", "\xe2\x80\xa9", "\\u2029"},
        EscapeCase{"OutsideBasicPlaneAsSurrogatePair", "\xf0\x9f\x98\x80", "\\uD83D\\uDE00"},
        EscapeCase{"ByteOrderMarkFirstAndLater",
                   "\xef\xbb\xbf"
                   "a\xef\xbb\xbf",
                   "\\uFEFFa\\uFEFF"},
        // Bytes that are no UTF-8 are kept as the Latin-1 characters they are.
        EscapeCase{"StrayLatin1Byte", "caf\xe9.gif", "caf\\u00E9.gif"},
        EscapeCase{"CutSequenceAtTheEnd", "a\xe2\x80", "a\\u00E2\\u0080"},
        EscapeCase{"EncodedSurrogateIsNoCharacter", "\xed\xa0\x80", "\\u00ED\\u00A0\\u0080"},
        EscapeCase{"RestUnchangedBesideAnEscape", "a'b%c d\"e>f", "a\\'b%c d\"e>f"}),
    CaseName());

} // namespace
