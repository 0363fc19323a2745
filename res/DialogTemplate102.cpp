#include "DialogTemplateList.h"
#include "ImagePageIds.h"
#include "TemplateStyles.h"

using namespace TemplateStyle;

namespace {

std::vector<ControlTemplate> Controls() {
    return {
        {ControlClass::Edit, ImagePageIds::IDC_IMAGE, "", 24, 55, 162, 16, EditBox},
        {ControlClass::Button, ImagePageIds::IDC_ADD, "&Add", 193, 55, 47, 15, PushButton},
        {ControlClass::Button, ImagePageIds::IDC_NEXT, "&Next", 225, 176, 45, 14, PushButton},
        {ControlClass::Button, IDCANCEL, "&Cancel", 271, 176, 41, 14, PushButton},
        {ControlClass::ListView, ImagePageIds::IDC_LIST, "List1", 24, 77, 161, 108,
         WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT},
        {ControlClass::Static, ImagePageIds::IDC_INTRO,
         "To add images, place the image of the path below and press the Add button. \n"
         "You need at least 2 images.",
         20, 7, 258, 18, StaticText},
        {ControlClass::Button, ImagePageIds::IDC_UP, "&Up", 193, 108, 35, 12, PushButton},
        {ControlClass::Button, ImagePageIds::IDC_DOWN, "&Down", 194, 141, 36, 13, PushButton},
        {ControlClass::Button, ImagePageIds::IDC_REMOVE, "&Remove", 193, 70, 47, 14, PushButton},
        {ControlClass::Static, IDC_STATIC,
         "The image and path should be URL directory structure. \n"
         "E.g. 1. myimage.gif   E.g. 2. ../../myimage.gif E.g. 3. /folder/myimage.gif",
         20, 30, 263, 18, StaticText},
    };
}

} // namespace

// The image list page, the program's main window: hence on the taskbar.
const DialogTemplate& DialogTemplate102() {
    static const DialogTemplate imageList = PageTemplate(
        ImagePageIds::IDD, "Kinetara - Image setting", 319, 198, Controls(), WS_EX_APPWINDOW);
    return imageList;
}
