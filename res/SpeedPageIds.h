#pragma once

#include "DialogTemplate.h"

// Template 129: The speed page.
// The one place that numbers its controls; the template, the page and its
// tests all name them from here.
struct SpeedPageIds {
    enum { IDD = 129 };
    enum ControlId {
        IDC_NEXT = 1001,
        IDC_BACK = 1014,
        IDC_PROMPT = 1015,
        IDC_SPEED = 1016,
        IDC_CANCEL = 1054,
    };
};
