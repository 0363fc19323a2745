#pragma once

#include "DialogTemplate.h"

// Template 132: The mode page.
// The one place that numbers its controls; the template, the page and its
// tests all name them from here.
struct ModePageIds {
    enum { IDD = 132 };
    enum ControlId {
        IDC_NEXT = 1001,
        IDC_BACK = 1014,
        IDC_AUTOMATIC = 1025,
        IDC_CUSTOM = 1028,
        IDC_CANCEL = 1054,
    };
};
