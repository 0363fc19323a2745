#pragma once

#include "DialogTemplate.h"

// Template 102: The image list page.
// The one place that numbers its controls; the template, the page and its
// tests all name them from here.
struct ImagePageIds {
    enum { IDD = 102 };
    enum ControlId {
        IDC_LIST = 1000,
        IDC_NEXT = 1001,
        IDC_ADD = 1002,
        IDC_IMAGE = 1003,
        IDC_INTRO = 1004,
        IDC_UP = 1010,
        IDC_DOWN = 1011,
        IDC_REMOVE = 1012,
    };
};
