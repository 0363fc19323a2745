#include "BorderPageIds.h"
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
        {Edit, BorderPageIds::IDC_FONT_COLOR, "", 99, 94, 63, 14, EditBox},
        {Button, BorderPageIds::IDC_PICK_FONT_COLOR, "...", 167, 96, 12, 11, PushButton},
        {Edit, BorderPageIds::IDC_SELECT_BACKGROUND, "", 99, 114, 64, 14, EditBox},
        {Button, BorderPageIds::IDC_PICK_SELECT_BACKGROUND, "...", 167, 116, 12, 11, PushButton},
        {Edit, BorderPageIds::IDC_TABLE_BACKGROUND, "", 79, 151, 57, 13, EditBox},
        {Button, BorderPageIds::IDC_PICK_TABLE_BACKGROUND, "...", 141, 153, 11, 10, PushButton},
        {Combo, BorderPageIds::IDC_TABLE_LEFT_SIZE, "", 66, 183, 49, 69, DropDownList},
        {Edit, BorderPageIds::IDC_TABLE_LEFT_COLOR, "", 123, 183, 54, 13, EditBox},
        {Button, BorderPageIds::IDC_PICK_TABLE_LEFT_COLOR, "...", 181, 186, 11, 10, PushButton},
        {Combo, BorderPageIds::IDC_TABLE_TOP_SIZE, "", 66, 204, 49, 72, DropDownList},
        {Edit, BorderPageIds::IDC_TABLE_TOP_COLOR, "", 123, 205, 54, 13, EditBox},
        {Button, BorderPageIds::IDC_PICK_TABLE_TOP_COLOR, "...", 181, 206, 11, 10, PushButton},
        {Combo, BorderPageIds::IDC_TABLE_RIGHT_SIZE, "", 66, 226, 49, 67, DropDownList},
        {Edit, BorderPageIds::IDC_TABLE_RIGHT_COLOR, "", 123, 226, 54, 13, EditBox},
        {Button, BorderPageIds::IDC_PICK_TABLE_RIGHT_COLOR, "...", 181, 227, 11, 10, PushButton},
        {Combo, BorderPageIds::IDC_TABLE_BOTTOM_SIZE, "", 66, 246, 50, 75, DropDownList},
        {Edit, BorderPageIds::IDC_TABLE_BOTTOM_COLOR, "", 123, 247, 54, 13, EditBox},
        {Button, BorderPageIds::IDC_PICK_TABLE_BOTTOM_COLOR, "...", 181, 249, 11, 10, PushButton},
        {Edit, BorderPageIds::IDC_TD_BACKGROUND, "", 265, 152, 57, 13, EditBox},
        {Button, BorderPageIds::IDC_PICK_TD_BACKGROUND, "...", 329, 155, 11, 10, PushButton},
        {Combo, BorderPageIds::IDC_TD_LEFT_SIZE, "", 250, 185, 51, 79, DropDownList},
        {Edit, BorderPageIds::IDC_TD_LEFT_COLOR, "", 308, 186, 52, 13, EditBox},
        {Button, BorderPageIds::IDC_PICK_TD_LEFT_COLOR, "...", 365, 188, 11, 10, PushButton},
        {Combo, BorderPageIds::IDC_TD_TOP_SIZE, "", 250, 205, 51, 72, DropDownList},
        {Edit, BorderPageIds::IDC_TD_TOP_COLOR, "", 308, 204, 52, 13, EditBox},
        {Button, BorderPageIds::IDC_PICK_TD_TOP_COLOR, "...", 365, 207, 11, 10, PushButton},
        {Combo, BorderPageIds::IDC_TD_RIGHT_SIZE, "", 250, 226, 51, 67, DropDownList},
        {Edit, BorderPageIds::IDC_TD_RIGHT_COLOR, "", 308, 226, 52, 13, EditBox},
        {Button, BorderPageIds::IDC_PICK_TD_RIGHT_COLOR, "...", 365, 228, 11, 10, PushButton},
        {Combo, BorderPageIds::IDC_TD_BOTTOM_SIZE, "", 250, 246, 51, 75, DropDownList},
        {Edit, BorderPageIds::IDC_TD_BOTTOM_COLOR, "", 308, 245, 52, 13, EditBox},
        {Button, BorderPageIds::IDC_PICK_TD_BOTTOM_COLOR, "...", 365, 247, 11, 10, PushButton},
        {Button, BorderPageIds::IDC_NEXT, "&Next", 294, 274, 43, 14, PushButton},
        {Button, BorderPageIds::IDC_BACK, "&Back", 250, 274, 43, 14, PushButton},
        {Button, BorderPageIds::IDC_CANCEL, "&Cancel", 338, 274, 44, 14, PushButton},
        {Static, IDC_STATIC,
         "Select each setting for the border as shown in the right. Each button next to the "
         "edit box shows color list box. ",
         8, 7, 164, 24, StaticText},
        {Static, BorderPageIds::IDC_DIAGRAM, "", 192, 7, 191, 119, Picture, 138},
        {Static, IDC_STATIC, "border-left:", 15, 185, 38, 9, StaticText},
        {Static, IDC_STATIC, "background-color:", 16, 152, 59, 11, StaticText},
        {Static, IDC_STATIC, "Size:", 63, 170, 39, 8, StaticText},
        {Static, IDC_STATIC, "Color: See sample color name.", 122, 170, 100, 8, StaticText},
        {Static, IDC_STATIC, "border-right:", 15, 228, 38, 11, StaticText},
        {Static, IDC_STATIC, "border-bottom:", 15, 248, 45, 13, StaticText},
        {Static, IDC_STATIC, "border-top:", 15, 206, 41, 12, StaticText},
        {Static, IDC_STATIC, "border-left:", 199, 187, 39, 13, StaticText},
        {Static, IDC_STATIC, "border-top:", 200, 206, 38, 13, StaticText},
        {Static, IDC_STATIC, "border-right:", 199, 228, 40, 11, StaticText},
        {Static, IDC_STATIC, "border-bottom:", 199, 247, 46, 13, StaticText},
        {Static, IDC_STATIC, "TABLE setting:", 14, 133, 71, 10, StaticText},
        {Static, IDC_STATIC, "TD setting:", 301, 135, 45, 9, StaticText},
        {Static, IDC_STATIC, "background-color:", 199, 153, 61, 12, StaticText},
        {Static, IDC_STATIC, "Size:", 239, 172, 39, 8, StaticText},
        {Static, IDC_STATIC, "Color:", 298, 172, 40, 8, StaticText},
        {Static, IDC_STATIC, "Font color: \n See Sample color names.", 13, 89, 83, 19, StaticText},
        {Button, BorderPageIds::IDC_SAMPLE_COLORS, "&Sample color names...", 98, 66, 84, 19,
         PushButton},
        {Static, IDC_STATIC,
         "Note: \n If you place the wrong name for colors, the color will be black.", 19, 266, 200,
         22, StaticText},
        {Static, IDC_STATIC, "Select box background-color:", 13, 109, 78, 20, StaticText},
        {Static, IDC_STATIC,
         "If you are not sure for color name, just click on that button and select the "
         "color. Sample color names button also shows the sample of color and name.",
         7, 34, 167, 26, StaticText},
    };
}

} // namespace

// The border style page: twelve colour rows with "..." buttons, eight size lists.
const DialogTemplate& DialogTemplate134() {
    static const DialogTemplate border =
        PageTemplate(BorderPageIds::IDD, "Border setting", 389, 295, Controls());
    return border;
}
