#include "AboutBoxIds.h"
#include "DialogTemplateList.h"
#include "TemplateStyles.h"

using namespace TemplateStyle;

namespace {

std::vector<ControlTemplate> Controls() {
    return {
        {ControlClass::Static, IDC_STATIC, "", 11, 17, 20, 20, WS_CHILD | WS_VISIBLE | SS_ICON,
         128},
        {ControlClass::Static, IDC_STATIC, "Kinetara Version 1.0", 40, 10, 119, 8,
         StaticText | SS_NOPREFIX},
        {ControlClass::Static, IDC_STATIC, "Slideshow page wizard", 40, 25, 119, 8, StaticText},
        {ControlClass::Button, IDOK, "OK", 178, 7, 50, 14,
         WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
    };
}

} // namespace

// The About box. Icon 128 is not among the resources, so its control stays blank.
const DialogTemplate& DialogTemplate100() {
    static const DialogTemplate about =
        PageTemplate(AboutBoxIds::IDD_ABOUTBOX, "About Kinetara", 235, 55, Controls());
    return about;
}
