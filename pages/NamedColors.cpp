#include "NamedColors.h"

// Five to a line; the comment gives the row of the line's first entry.
// clang-format off
const char* const g_colorNames[kNamedColorCount] = {
    "aliceblue", "antiquewhite", "aqua", "aquamarine", "azure", // 0
    "beige", "bisque", "black", "blanchedalmond", "blue", // 5
    "blueviolet", "brown", "burlywood", "cadetblue", "chartreuse", // 10
    "chocolate", "coral", "cornflowerblue", "cornsilk", "crimson", // 15
    "cyan", "darkblue", "darkcyan", "darkgoldenrod", "darkgray", // 20
    "darkgreen", "darkkhaki", "darkmagenta", "darkolivegreen", "darkorange", // 25
    "darkorchid", "darkred", "darksalmon", "darkseagreen", "darkslateblue", // 30
    "darkslategray", "darkturquoise", "darkviolet", "deeppink", "deepskyblue", // 35
    "dimgray", "dodgerblue", "firebrick", "floralwhite", "forestgreen", // 40
    "fuchsia", "gainsboro", "ghostwhite", "gold", "goldenrod", // 45
    "gray", "green", "greenyellow", "honeydew", "hotpink", // 50
    "indianred", "indigo", "ivory", "khaki", "lavender", // 55
    "lavenderblush", "lawngreen", "lemonchiffon", "lightblue", "lightcoral", // 60
    "lightcyan", "lightgoldenrodyellow", "lightgreen", "lightgrey", "lightpink", // 65
    "lightsalmon", "lightseagreen", "lightskyblue", "lightslategray", "lightsteelblue", // 70
    "lightyellow", "lime", "limegreen", "linen", "magenta", // 75
    "maroon", "mediumaquamarine", "mediumblue", "mediumorchid", "mediumpurple", // 80
    "mediumseagreen", "mediumslateblue", "mediumspringgreen", "mediumturquoise", "mediumvioletred", // 85
    "midnightblue", "mintcream", "mistyrose", "moccasin", "navajowhite", // 90
    "navy", "oldlace", "olive", "olivedrab", "orange", // 95
    "orangered", "orchid", "palegoldenrod", "palegreen", "paleturquoise", // 100
    "palevioletred", "papayawhip", "peachpuff", "peru", "pink", // 105
    "plum", "powderblue", "purple", "red", "rosybrown", // 110
    "royalblue", "saddlebrown", "salmon", "sandybrown", "seagreen", // 115
    "seashell", "sienna", "silver", "skyblue", "slateblue", // 120
    "slategray", "snow", "springgreen", "steelblue", "tan", // 125
    "teal", "thistle", "tomato", "turquoise", "violet", // 130
    "wheat", "white", "whitesmoke", "yellow", "yellowgreen", // 135
};

// The values of the CSS colour keywords, except darkseagreen: its swatch is
// #8FBC8B, a shade off the keyword's #8FBC8F. Only swatches use these values;
// the slideshow page gets the name.
const ColorRef g_colorValues[kNamedColorCount] = {
    0x00FFF8F0, 0x00D7EBFA, 0x00FFFF00, 0x00D4FF7F, 0x00FFFFF0, // 0
    0x00DCF5F5, 0x00C4E4FF, 0x00000000, 0x00CDEBFF, 0x00FF0000, // 5
    0x00E22B8A, 0x002A2AA5, 0x0087B8DE, 0x00A09E5F, 0x0000FF7F, // 10
    0x001E69D2, 0x00507FFF, 0x00ED9564, 0x00DCF8FF, 0x003C14DC, // 15
    0x00FFFF00, 0x008B0000, 0x008B8B00, 0x000B86B8, 0x00A9A9A9, // 20
    0x00006400, 0x006BB7BD, 0x008B008B, 0x002F6B55, 0x00008CFF, // 25
    0x00CC3299, 0x0000008B, 0x007A96E9, 0x008BBC8F, 0x008B3D48, // 30
    0x004F4F2F, 0x00D1CE00, 0x00D30094, 0x009314FF, 0x00FFBF00, // 35
    0x00696969, 0x00FF901E, 0x002222B2, 0x00F0FAFF, 0x00228B22, // 40
    0x00FF00FF, 0x00DCDCDC, 0x00FFF8F8, 0x0000D7FF, 0x0020A5DA, // 45
    0x00808080, 0x00008000, 0x002FFFAD, 0x00F0FFF0, 0x00B469FF, // 50
    0x005C5CCD, 0x0082004B, 0x00F0FFFF, 0x008CE6F0, 0x00FAE6E6, // 55
    0x00F5F0FF, 0x0000FC7C, 0x00CDFAFF, 0x00E6D8AD, 0x008080F0, // 60
    0x00FFFFE0, 0x00D2FAFA, 0x0090EE90, 0x00D3D3D3, 0x00C1B6FF, // 65
    0x007AA0FF, 0x00AAB220, 0x00FACE87, 0x00998877, 0x00DEC4B0, // 70
    0x00E0FFFF, 0x0000FF00, 0x0032CD32, 0x00E6F0FA, 0x00FF00FF, // 75
    0x00000080, 0x00AACD66, 0x00CD0000, 0x00D355BA, 0x00DB7093, // 80
    0x0071B33C, 0x00EE687B, 0x009AFA00, 0x00CCD148, 0x008515C7, // 85
    0x00701919, 0x00FAFFF5, 0x00E1E4FF, 0x00B5E4FF, 0x00ADDEFF, // 90
    0x00800000, 0x00E6F5FD, 0x00008080, 0x00238E6B, 0x0000A5FF, // 95
    0x000045FF, 0x00D670DA, 0x00AAE8EE, 0x0098FB98, 0x00EEEEAF, // 100
    0x009370DB, 0x00D5EFFF, 0x00B9DAFF, 0x003F85CD, 0x00CBC0FF, // 105
    0x00DDA0DD, 0x00E6E0B0, 0x00800080, 0x000000FF, 0x008F8FBC, // 110
    0x00E16941, 0x0013458B, 0x007280FA, 0x0060A4F4, 0x00578B2E, // 115
    0x00EEF5FF, 0x002D52A0, 0x00C0C0C0, 0x00EBCE87, 0x00CD5A6A, // 120
    0x00908070, 0x00FAFAFF, 0x007FFF00, 0x00B48246, 0x008CB4D2, // 125
    0x00808000, 0x00D8BFD8, 0x004763FF, 0x00D0E040, 0x00EE82EE, // 130
    0x00B3DEF5, 0x00FFFFFF, 0x00F5F5F5, 0x0000FFFF, 0x0032CD9A, // 135
};
// clang-format on

QColor ColorFromColorRef(ColorRef value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
