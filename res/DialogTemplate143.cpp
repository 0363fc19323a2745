#include "ColorDlgIds.h"
#include "DialogTemplateList.h"
#include "TemplateStyles.h"

using namespace TemplateStyle;

namespace {

std::vector<ControlTemplate> Controls() {
    return {
        {ControlClass::ListBox, ColorDlgIds::IDC_COLORS, "", 19, 34, 112, 75,
         WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT |
             LBS_NOINTEGRALHEIGHT},
        {ControlClass::Button, ColorDlgIds::IDC_OK, "OK", 117, 116, 57, 15, PushButton},
        {ControlClass::Static, ColorDlgIds::IDC_PROMPT,
         "Select the color you want for the control.", 7, 7, 143, 17, StaticText},
    };
}

} // namespace

// The colour picker; its OK button is 1054, not the standard OK id.
const DialogTemplate& DialogTemplate143() {
    static const DialogTemplate color =
        PageTemplate(ColorDlgIds::IDD, "Color", 181, 138, Controls());
    return color;
}
