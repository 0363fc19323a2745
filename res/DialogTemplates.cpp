#include "AboutBoxIds.h"
#include "BorderPageIds.h"
#include "ColorDlgIds.h"
#include "DialogTemplate.h"
#include "DialogTemplateList.h"
#include "ImagePageIds.h"
#include "ModePageIds.h"
#include "SavePageIds.h"
#include "SpeedPageIds.h"

const DialogTemplate* FindDialogTemplate(int id) {
    switch (id) {
    case AboutBoxIds::IDD_ABOUTBOX:
        return &DialogTemplate100();
    case ImagePageIds::IDD:
        return &DialogTemplate102();
    case SpeedPageIds::IDD:
        return &DialogTemplate129();
    case ModePageIds::IDD:
        return &DialogTemplate132();
    case SavePageIds::IDD:
        return &DialogTemplate133();
    case BorderPageIds::IDD:
        return &DialogTemplate134();
    case ColorDlgIds::IDD:
        return &DialogTemplate143();
    default:
        return nullptr;
    }
}
