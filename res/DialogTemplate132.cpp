#include "DialogTemplateList.h"
#include "ModePageIds.h"
#include "TemplateStyles.h"

using namespace TemplateStyle;

namespace {
// Each radio button is a group of its own; the page keeps them exclusive itself.
constexpr std::uint32_t LoneRadio = WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON;

std::vector<ControlTemplate> Controls() {
    return {
        {ControlClass::Button, ModePageIds::IDC_AUTOMATIC, "&Automatic", 27, 67, 91, 15, LoneRadio},
        {ControlClass::Button, ModePageIds::IDC_CUSTOM, "C&ustom", 28, 88, 94, 18, LoneRadio},
        {ControlClass::Button, ModePageIds::IDC_NEXT, "&Next", 222, 161, 45, 15, PushButton},
        {ControlClass::Button, ModePageIds::IDC_BACK, "&Back", 177, 161, 45, 15, PushButton},
        {ControlClass::Button, ModePageIds::IDC_CANCEL, "&Cancel", 267, 161, 43, 15, PushButton},
        {ControlClass::Static, IDC_STATIC,
         "Select the option below. If you select Custom setting, you will need to set the "
         "speed, color, and border size.",
         25, 17, 234, 29, StaticText},
    };
}

} // namespace

// The mode page.
const DialogTemplate& DialogTemplate132() {
    static const DialogTemplate mode =
        PageTemplate(ModePageIds::IDD, "Automatic or Custom setting", 317, 183, Controls());
    return mode;
}
