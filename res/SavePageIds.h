#pragma once

#include "DialogTemplate.h"

// Template 133: The save page.
// The one place that numbers its controls; the template, the page and its
// tests all name them from here.
struct SavePageIds {
    enum { IDD = 133 };
    enum ControlId {
        IDC_PATH = 1003,
        IDC_BROWSE = 1005,
        IDC_BACK = 1014,
        IDC_FINISH = 1029,
        IDC_CANCEL = 1054,
    };
};
