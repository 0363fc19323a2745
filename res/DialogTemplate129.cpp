#include "DialogTemplateList.h"
#include "TemplateStyles.h"

using namespace TemplateStyle;

namespace {

std::vector<ControlTemplate> Controls() {
    return {
        {ControlClass::ComboBox, 1016, "", 17, 39, 142, 111, DropDownList},
        {ControlClass::Button, 1001, "&Next", 228, 165, 41, 14, PushButton},
        {ControlClass::Button, 1014, "&Back", 184, 165, 43, 14, PushButton},
        {ControlClass::Button, 1054, "&Cancel", 270, 165, 45, 14, PushButton},
        {ControlClass::Static, 1015, "Select the speed for the slide.", 20, 16, 185, 21,
         StaticText},
    };
}

} // namespace

// The speed page.
const DialogTemplate& DialogTemplate129() {
    static const DialogTemplate speed =
        PageTemplate(129, "Kinetara - Speed setting", 322, 186, Controls());
    return speed;
}
