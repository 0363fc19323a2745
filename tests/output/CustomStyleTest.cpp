#include "CustomStyle.h"

#include "ExpectedPageTexts.h"

#include <gtest/gtest.h>

namespace {

using S = StyleSetting;

// Each setting named by hand, so the test does not lean on the enum's order.
TEST(CustomStyle, EachSettingFillsItsOwnPlace) {
    const std::pair<StyleSetting, const char*> values[] = {
        {S::TableBackground, "lavender"},
        {S::TableBorderLeftSize, "0.1cm"},
        {S::TableBorderLeftColor, "navy"},
        {S::TableBorderRightSize, "0.2cm"},
        {S::TableBorderRightColor, "teal"},
        {S::TableBorderBottomSize, "0.3cm"},
        {S::TableBorderBottomColor, "olive"},
        {S::TableBorderTopSize, "0.4cm"},
        {S::TableBorderTopColor, "maroon"},
        {S::TdBackground, "ivory"},
        {S::TdBorderLeftSize, "0.5cm"},
        {S::TdBorderLeftColor, "purple"},
        {S::TdBorderRightSize, "0.6cm"},
        {S::TdBorderRightColor, "silver"},
        {S::TdBorderBottomSize, "0.7cm"},
        {S::TdBorderBottomColor, "orchid"},
        {S::TdBorderTopSize, "0.8cm"},
        {S::TdBorderTopColor, "sienna"},
        {S::FontColor, "crimson"},
        {S::SelectBackground, "khaki"},
    };
    StyleSettings settings;
    for (const auto& [setting, value] : values)
        settings[setting] = value;
    EXPECT_EQ(BuildCustomStyle(settings), kFilledCustomStyle);
}

TEST(CustomStyle, NamesAndSizesAreTheOnesPeopleType) {
    EXPECT_STREQ(kStyleSettingNames[static_cast<int>(S::TableBackground)], "table-background");
    EXPECT_STREQ(kStyleSettingNames[static_cast<int>(S::TdBorderTopColor)], "td-border-top-color");
    EXPECT_STREQ(kStyleSettingNames[static_cast<int>(S::SelectBackground)], "select-background");
    int sizes = 0;
    for (int index = 0; index < kStyleSettingCount; ++index) {
        const bool size = IsSizeSetting(static_cast<StyleSetting>(index));
        sizes += size;
        EXPECT_EQ(size, QByteArray(kStyleSettingNames[index]).endsWith("-size")) << index;
    }
    EXPECT_EQ(sizes, 8);
}

struct ColorCase {
    const char* color;
    bool breaks;
};

class ColorRefusalTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ColorRefusalTest, RefusesWhatWouldSwallowLaterRules) {
    EXPECT_EQ(ColorBreaksOutOfStyle(GetParam().color), GetParam().breaks) << GetParam().color;
}

INSTANTIATE_TEST_SUITE_P(Colors, ColorRefusalTest,
                         ::testing::Values(ColorCase{"navy", false}, ColorCase{"#FF0000", false},
                                           ColorCase{"rgb(255, 0, 0)", false},
                                           ColorCase{"rgb(calc(1 + 2), 0, 0)", false},
                                           ColorCase{"a/b", false}, ColorCase{"red;", true},
                                           ColorCase{"}", true}, ColorCase{"</STYLE>", true},
                                           ColorCase{"red/*", true},
                                           ColorCase{"rgb(255, 0, 0", true},
                                           ColorCase{"[red", true}, ColorCase{")red(", true},
                                           ColorCase{"([)]", true}, ColorCase{"a\nb", true}));

} // namespace
