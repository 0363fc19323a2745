#include "DialogTemplateList.h"
#include "SavePageIds.h"
#include "TemplateStyles.h"

using namespace TemplateStyle;

namespace {

std::vector<ControlTemplate> Controls() {
    return {
        {ControlClass::Edit, SavePageIds::IDC_PATH, "", 19, 84, 144, 16, EditBox},
        {ControlClass::Button, SavePageIds::IDC_BROWSE, "...", 167, 88, 14, 12, PushButton},
        {ControlClass::Button, SavePageIds::IDC_FINISH, "&Finish", 195, 153, 49, 15, PushButton},
        {ControlClass::Button, SavePageIds::IDC_CANCEL, "&Cancel", 244, 153, 48, 15, PushButton},
        {ControlClass::Button, SavePageIds::IDC_BACK, "&Back", 148, 153, 48, 15, PushButton},
        {ControlClass::Static, IDC_STATIC,
         "Place the path (including file name) where you want to save the file. Click on "
         "Finish to save and finish the wizard.",
         19, 17, 189, 30, StaticText},
        {ControlClass::Static, IDC_STATIC, "Example: \n\nC:\\tempkinetara.htm", 20, 50, 160, 28,
         StaticText},
    };
}

} // namespace

// The save page.
const DialogTemplate& DialogTemplate133() {
    static const DialogTemplate save =
        PageTemplate(SavePageIds::IDD, "The place where you save the file", 299, 175, Controls());
    return save;
}
