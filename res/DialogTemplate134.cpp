#include "DialogTemplateList.h"
#include "TemplateStyles.h"

using namespace TemplateStyle;

namespace {
constexpr ControlClass Edit = ControlClass::Edit;
constexpr ControlClass Button = ControlClass::Button;
constexpr ControlClass Combo = ControlClass::ComboBox;
constexpr ControlClass Static = ControlClass::Static;
constexpr std::uint32_t Picture = WS_CHILD | WS_VISIBLE | SS_BITMAP;

std::vector<ControlTemplate> Controls() {
    return {
        {Edit, 1003, "", 99, 94, 63, 14, EditBox},
        {Button, 1069, "...", 167, 96, 12, 11, PushButton},
        {Edit, 1067, "", 99, 114, 64, 14, EditBox},
        {Button, 1068, "...", 167, 116, 12, 11, PushButton},
        {Edit, 1055, "", 79, 151, 57, 13, EditBox},
        {Button, 1078, "...", 141, 153, 11, 10, PushButton},
        {Combo, 1035, "", 66, 183, 49, 69, DropDownList},
        {Edit, 1056, "", 123, 183, 54, 13, EditBox},
        {Button, 1070, "...", 181, 186, 11, 10, PushButton},
        {Combo, 1038, "", 66, 204, 49, 72, DropDownList},
        {Edit, 1058, "", 123, 205, 54, 13, EditBox},
        {Button, 1071, "...", 181, 206, 11, 10, PushButton},
        {Combo, 1040, "", 66, 226, 49, 67, DropDownList},
        {Edit, 1059, "", 123, 226, 54, 13, EditBox},
        {Button, 1072, "...", 181, 227, 11, 10, PushButton},
        {Combo, 1042, "", 66, 246, 50, 75, DropDownList},
        {Edit, 1060, "", 123, 247, 54, 13, EditBox},
        {Button, 1073, "...", 181, 249, 11, 10, PushButton},
        {Edit, 1057, "", 265, 152, 57, 13, EditBox},
        {Button, 1079, "...", 329, 155, 11, 10, PushButton},
        {Combo, 1045, "", 250, 185, 51, 79, DropDownList},
        {Edit, 1061, "", 308, 186, 52, 13, EditBox},
        {Button, 1074, "...", 365, 188, 11, 10, PushButton},
        {Combo, 1048, "", 250, 205, 51, 72, DropDownList},
        {Edit, 1062, "", 308, 204, 52, 13, EditBox},
        {Button, 1075, "...", 365, 207, 11, 10, PushButton},
        {Combo, 1050, "", 250, 226, 51, 67, DropDownList},
        {Edit, 1063, "", 308, 226, 52, 13, EditBox},
        {Button, 1076, "...", 365, 228, 11, 10, PushButton},
        {Combo, 1052, "", 250, 246, 51, 75, DropDownList},
        {Edit, 1064, "", 308, 245, 52, 13, EditBox},
        {Button, 1077, "...", 365, 247, 11, 10, PushButton},
        {Button, 1065, "&Next", 294, 274, 43, 14, PushButton},
        {Button, 1014, "&Back", 250, 274, 43, 14, PushButton},
        {Button, 1080, "&Cancel", 338, 274, 44, 14, PushButton},
        {Static, -1,
         "Select each setting for the border as shown in the right. Each button next to the "
         "edit box shows color list box. ",
         8, 7, 164, 24, StaticText},
        {Static, 1032, "", 192, 7, 191, 119, Picture, 138},
        {Static, -1, "border-left:", 15, 185, 38, 9, StaticText},
        {Static, -1, "background-color:", 16, 152, 59, 11, StaticText},
        {Static, -1, "Size:", 63, 170, 39, 8, StaticText},
        {Static, -1, "Color: See sample color name.", 122, 170, 100, 8, StaticText},
        {Static, -1, "border-right:", 15, 228, 38, 11, StaticText},
        {Static, -1, "border-bottom:", 15, 248, 45, 13, StaticText},
        {Static, -1, "border-top:", 15, 206, 41, 12, StaticText},
        {Static, -1, "border-left:", 199, 187, 39, 13, StaticText},
        {Static, -1, "border-top:", 200, 206, 38, 13, StaticText},
        {Static, -1, "border-right:", 199, 228, 40, 11, StaticText},
        {Static, -1, "border-bottom:", 199, 247, 46, 13, StaticText},
        {Static, -1, "TABLE setting:", 14, 133, 71, 10, StaticText},
        {Static, -1, "TD setting:", 301, 135, 45, 9, StaticText},
        {Static, -1, "background-color:", 199, 153, 61, 12, StaticText},
        {Static, -1, "Size:", 239, 172, 39, 8, StaticText},
        {Static, -1, "Color:", 298, 172, 40, 8, StaticText},
        {Static, -1, "Font color: \n See Sample color names.", 13, 89, 83, 19, StaticText},
        {Button, 1054, "&Sample color names...", 98, 66, 84, 19, PushButton},
        {Static, -1, "Note: \n If you place the wrong name for colors, the color will be black.",
         19, 266, 200, 22, StaticText},
        {Static, -1, "Select box background-color:", 13, 109, 78, 20, StaticText},
        {Static, -1,
         "If you are not sure for color name, just click on that button and select the "
         "color. Sample color names button also shows the sample of color and name.",
         7, 34, 167, 26, StaticText},
    };
}

} // namespace

// The border style page: twelve colour rows with "..." buttons, eight size lists.
const DialogTemplate& DialogTemplate134() {
    static const DialogTemplate border = PageTemplate(134, "Border setting", 389, 295, Controls());
    return border;
}
