#include "SlideshowPage.h"

#include "CaseName.h"
#include "ExpectedPageTexts.h"
#include "Format.h"
#include "PageTexts.h"

#include <gtest/gtest.h>

namespace {

const QByteArrayList kWorkedExampleImages = {"myimage.gif", "../../myimage.gif"};

// The worked example's script block with another array, count and delay put in.
QByteArray ScriptFor(const QByteArray& array, int count, const QByteArray& delay) {
    const QByteArray n = QByteArray::number(count);
    QByteArray script(kWorkedExampleScript);
    script.replace("new Array ('myimage.gif','../../myimage.gif')", "new Array (" + array + ")");
    script.replace("cnt < 2", "cnt < " + n);
    script.replace("cnt == 2", "cnt == " + n);
    script.replace("se[1]", "se[" + QByteArray::number(count - 1) + "]");
    script.replace("setTimeout(limg, 2000)", "setTimeout(limg, " + delay + ")");
    return script;
}

QByteArray AutomaticPage(const QByteArray& script) {
    return kExpectedStyleDefault + script + kExpectedBody + kExpectedTail;
}

TEST(SlideshowPage, WorkedExampleAutomaticLookIsOneLineOf2082Bytes) {
    const QByteArray script(kWorkedExampleScript);
    ASSERT_EQ(script.size(), 739);
    const QByteArray expected = AutomaticPage(script);
    ASSERT_EQ(expected.size(), 293 + 739 + 1024 + 26);

    const QByteArray page = BuildSlideshowPage(kWorkedExampleImages, kAutomaticDelay,
                                               LoadPageText(IDS_HTML_STYLE_DEFAULT));
    EXPECT_EQ(page.size(), 2082);
    EXPECT_EQ(page, expected);
    EXPECT_FALSE(page.contains('\n'));
    EXPECT_FALSE(page.contains('\r'));
}

TEST(SlideshowPage, WorkedExampleCustomLookHasOneLineFeedAfterTheStyle) {
    QList<FormatArg> values;
    for (const char* value : kCustomValues)
        values.append(QByteArray(value));
    const QByteArray style = FormatText(LoadPageText(IDS_HTML_STYLE_CUSTOM), values);

    const QByteArray page = BuildSlideshowPage(kWorkedExampleImages, "2000", style);
    EXPECT_EQ(page, kFilledCustomStyle + QByteArray(kWorkedExampleScript) + kExpectedBody +
                        kExpectedTail);
    EXPECT_EQ(page.count('\n'), 1);
    EXPECT_EQ(page.indexOf('\n'), page.indexOf("</STYLE>") + qsizetype(sizeof "</STYLE>") - 1);
}

TEST(SlideshowPage, NoImagesIsThirtyTwoBytesShorterThanTheWorkedExample) {
    const QByteArray style = LoadPageText(IDS_HTML_STYLE_DEFAULT);
    const QByteArray page = BuildSlideshowPage({}, kAutomaticDelay, style);
    EXPECT_EQ(page.size(),
              BuildSlideshowPage(kWorkedExampleImages, kAutomaticDelay, style).size() - 32);
    EXPECT_TRUE(page.contains("se = new Array ();"));
    EXPECT_TRUE(page.contains("function pLast(){inm.src =se[-1];"));
}

struct ArrayCase {
    const char* name;
    QByteArrayList images;
    QByteArray array;
};

class SlideshowArrayTest : public ::testing::TestWithParam<ArrayCase> {};

TEST_P(SlideshowArrayTest, FillsArrayAndCounts) {
    const ArrayCase& c = GetParam();
    EXPECT_EQ(BuildArrayText(c.images), c.array);
    const QByteArray page =
        BuildSlideshowPage(c.images, kAutomaticDelay, QByteArray(kExpectedStyleDefault));
    EXPECT_EQ(page, AutomaticPage(ScriptFor(c.array, int(c.images.size()), kAutomaticDelay)));
}

INSTANTIATE_TEST_SUITE_P(
    Images, SlideshowArrayTest,
    ::testing::Values(
        ArrayCase{"None", {}, ""}, ArrayCase{"One", {"only.gif"}, "'only.gif'"},
        ArrayCase{"WorkedExample", kWorkedExampleImages, "'myimage.gif','../../myimage.gif'"},
        ArrayCase{"PercentSigns", {"100%.gif", "%s%i.gif"}, "'100%.gif','%s%i.gif'"},
        ArrayCase{"Blanks", {" my image .gif", "   "}, "' my image .gif','   '"},
        ArrayCase{"QuoteAndBackslash", {"it's.gif", "a\\b.gif"}, "'it\\'s.gif','a\\\\b.gif'"},
        // A leading byte-order mark is a character like any other.
        ArrayCase{"ByteOrderMarkFirst",
                  {"\xef\xbb\xbf"
                   "a.gif",
                   "b.gif"},
                  "'\\uFEFFa.gif','b.gif'"},
        ArrayCase{"ScriptEndAndNonAscii", {"</SCRIPT>\xc3\xa9.gif"}, "'\\x3C/SCRIPT>\\u00E9.gif'"}),
    CaseName());

} // namespace
