#include "PageTexts.h"

#include "ExpectedPageTexts.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct PageTextCase {
    int id;
    const char* expected;
    qsizetype length;
};

class PageTextTest : public ::testing::TestWithParam<PageTextCase> {};

TEST_P(PageTextTest, HoldsItsExactBytes) {
    const PageTextCase& c = GetParam();
    const QByteArray text = LoadPageText(c.id);
    EXPECT_EQ(text.size(), c.length);
    EXPECT_EQ(text, QByteArray(c.expected));
}

TEST_P(PageTextTest, IsPlainAsciiWithALineFeedOnlyAtTheEndOfTheCustomStyle) {
    const PageTextCase& c = GetParam();
    const QByteArray text = LoadPageText(c.id);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_FALSE(text.contains('\t'));
    EXPECT_FALSE(text.contains('\r'));
    EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                            [](char ch) { return static_cast<unsigned char>(ch) < 0x80; }));
    const bool custom = c.id == IDS_HTML_STYLE_CUSTOM;
    EXPECT_EQ(text.count('\n'), custom ? 1 : 0);
    EXPECT_EQ(text.endsWith('\n'), custom);
}

INSTANTIATE_TEST_SUITE_P(
    AllTexts, PageTextTest,
    ::testing::Values(PageTextCase{IDS_HTML_STYLE_DEFAULT, kExpectedStyleDefault, 293},
                      PageTextCase{IDS_HTML_SCRIPT, kExpectedScript, 712},
                      PageTextCase{IDS_HTML_BODY, kExpectedBody, 1024},
                      PageTextCase{IDS_HTML_TAIL, kExpectedTail, 26},
                      PageTextCase{IDS_HTML_STYLE_CUSTOM, kExpectedStyleCustom, 476}),
    [](const ::testing::TestParamInfo<PageTextCase>& info) {
        return "Text" + std::to_string(info.param.id);
    });

TEST(PageTexts, UnknownNumberGivesNoText) {
    for (const int id : {0, 103, 108, 110})
        EXPECT_TRUE(LoadPageText(id).isEmpty()) << id;
}

} // namespace
