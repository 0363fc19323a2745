#pragma once

#include <QByteArray>
#include <array>

// The twenty settings of the custom look, in the order in which the custom
// style text takes them.
enum class StyleSetting {
    TableBackground,
    TableBorderLeftSize,
    TableBorderLeftColor,
    TableBorderRightSize,
    TableBorderRightColor,
    TableBorderBottomSize,
    TableBorderBottomColor,
    TableBorderTopSize,
    TableBorderTopColor,
    TdBackground,
    TdBorderLeftSize,
    TdBorderLeftColor,
    TdBorderRightSize,
    TdBorderRightColor,
    TdBorderBottomSize,
    TdBorderBottomColor,
    TdBorderTopSize,
    TdBorderTopColor,
    FontColor,
    SelectBackground,
};
inline constexpr int kStyleSettingCount = 20;

// The name of each setting where people type them ("table-background"),
// the same order as above.
inline constexpr std::array<const char*, kStyleSettingCount> kStyleSettingNames = {
    "table-background",
    "table-border-left-size",
    "table-border-left-color",
    "table-border-right-size",
    "table-border-right-color",
    "table-border-bottom-size",
    "table-border-bottom-color",
    "table-border-top-size",
    "table-border-top-color",
    "td-background",
    "td-border-left-size",
    "td-border-left-color",
    "td-border-right-size",
    "td-border-right-color",
    "td-border-bottom-size",
    "td-border-bottom-color",
    "td-border-top-size",
    "td-border-top-color",
    "font-color",
    "select-background",
};

// The border widths a size setting may take.
inline constexpr std::array<const char*, 10> kBorderSizes = {
    "0.1cm", "0.2cm", "0.3cm", "0.4cm", "0.5cm", "0.6cm", "0.7cm", "0.8cm", "0.9cm", "1cm"};

// The other twelve settings are colours.
bool IsSizeSetting(StyleSetting setting);

// The value of each setting, by name.
class StyleSettings {
  public:
    QByteArray& operator[](StyleSetting setting) { return m_values.at(Index(setting)); }
    const QByteArray& operator[](StyleSetting setting) const { return m_values.at(Index(setting)); }

  private:
    static std::size_t Index(StyleSetting setting) { return static_cast<std::size_t>(setting); }
    std::array<QByteArray, kStyleSettingCount> m_values;
};

// The custom style block: the custom style text filled with the settings.
QByteArray BuildCustomStyle(const StyleSettings& settings);

// Whether a colour text would break out of its place in the custom style
// block: a character that ends the CSS value or the style element, a comment
// opener, or a bracket without its partner, each of which swallows the rules
// after it.
bool ColorBreaksOutOfStyle(const QByteArray& color);
