#include "DialogTemplate.h"
#include "DialogTemplateList.h"

const DialogTemplate* FindDialogTemplate(int id) {
    switch (id) {
    case 100:
        return &DialogTemplate100();
    case 102:
        return &DialogTemplate102();
    case 129:
        return &DialogTemplate129();
    case 132:
        return &DialogTemplate132();
    case 133:
        return &DialogTemplate133();
    case 134:
        return &DialogTemplate134();
    case 143:
        return &DialogTemplate143();
    default:
        return nullptr;
    }
}
