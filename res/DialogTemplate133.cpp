#include "DialogTemplateList.h"
#include "TemplateStyles.h"

using namespace TemplateStyle;

namespace {

std::vector<ControlTemplate> Controls() {
    return {
        {ControlClass::Edit, 1003, "", 19, 84, 144, 16, EditBox},
        {ControlClass::Button, 1005, "...", 167, 88, 14, 12, PushButton},
        {ControlClass::Button, 1029, "&Finish", 195, 153, 49, 15, PushButton},
        {ControlClass::Button, 1054, "&Cancel", 244, 153, 48, 15, PushButton},
        {ControlClass::Button, 1014, "&Back", 148, 153, 48, 15, PushButton},
        {ControlClass::Static, -1,
         "Place the path (including file name) where you want to save the file. Click on "
         "Finish to save and finish the wizard.",
         19, 17, 189, 30, StaticText},
        {ControlClass::Static, -1, "Example: \n\nC:\\tempkinetara.htm", 20, 50, 160, 28,
         StaticText},
    };
}

} // namespace

// The save page.
const DialogTemplate& DialogTemplate133() {
    static const DialogTemplate save =
        PageTemplate(133, "The place where you save the file", 299, 175, Controls());
    return save;
}
