#include "Format.h"

#include "CaseName.h"
#include "ExpectedPageTexts.h"
#include "PageTexts.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

struct FormatCase {
    const char* name;
    QByteArray format;
    QList<FormatArg> args;
    QByteArray expected;
};

class FormatTextTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTextTest, Fills) {
    EXPECT_EQ(FormatText(GetParam().format, GetParam().args), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, FormatTextTest,
    ::testing::Values(
        FormatCase{"ArgumentIsNotReadAsFormat", "(%s)", {QByteArray("%i%s%%")}, "(%i%s%%)"},
        FormatCase{"PercentArgument", "+10+'%s'", {QByteArray("%")}, "+10+'%'"},
        FormatCase{
            "PercentInsideArgument", "[%s]", {QByteArray("100% sure.gif")}, "[100% sure.gif]"},
        FormatCase{"NegativeInteger", "se[%i]", {-1}, "se[-1]"},
        FormatCase{"ZeroInteger", "cnt < %i", {0}, "cnt < 0"},
        FormatCase{"SmallestInteger", "%i", {INT_MIN}, "-2147483648"},
        FormatCase{
            "MixedInOrder", "%s,%i,%s,%i", {QByteArray("a"), 7, QByteArray("b"), -20}, "a,7,b,-20"},
        FormatCase{"DoubledPercent", "100%%", {}, "100%"},
        FormatCase{"TrailingPercent", "50%", {}, "50%"},
        FormatCase{"OtherConversionKept", "%d%s", {QByteArray("x")}, "%dx"},
        FormatCase{"MissingArgumentInsertsNothing", "a%sb%ic", {}, "abc"}),
    CaseName());

TEST(FormatText, FillsTheCustomStyleWithTwentyValues) {
    QList<FormatArg> args;
    for (const char* value : kCustomValues)
        args.append(QByteArray(value));
    const QByteArray style = FormatText(LoadPageText(IDS_HTML_STYLE_CUSTOM), args);
    EXPECT_EQ(style, QByteArray(kFilledCustomStyle));
    EXPECT_EQ(style.count('\n'), 1);
    EXPECT_TRUE(style.endsWith("</STYLE>\n"));
}

} // namespace
