#include "DialogTemplateList.h"
#include "SpeedPageIds.h"
#include "TemplateStyles.h"

using namespace TemplateStyle;

namespace {

std::vector<ControlTemplate> Controls() {
    return {
        {ControlClass::ComboBox, SpeedPageIds::IDC_SPEED, "", 17, 39, 142, 111, DropDownList},
        {ControlClass::Button, SpeedPageIds::IDC_NEXT, "&Next", 228, 165, 41, 14, PushButton},
        {ControlClass::Button, SpeedPageIds::IDC_BACK, "&Back", 184, 165, 43, 14, PushButton},
        {ControlClass::Button, SpeedPageIds::IDC_CANCEL, "&Cancel", 270, 165, 45, 14, PushButton},
        {ControlClass::Static, SpeedPageIds::IDC_PROMPT, "Select the speed for the slide.", 20, 16,
         185, 21, StaticText},
    };
}

} // namespace

// The speed page.
const DialogTemplate& DialogTemplate129() {
    static const DialogTemplate speed =
        PageTemplate(SpeedPageIds::IDD, "Kinetara - Speed setting", 322, 186, Controls());
    return speed;
}
