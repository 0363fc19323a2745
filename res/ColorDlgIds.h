#pragma once

#include "DialogTemplate.h"

// Template 143: The colour picker.
// The one place that numbers its controls; the template, the page and its
// tests all name them from here.
struct ColorDlgIds {
    enum { IDD = 143 };
    enum ControlId {
        IDC_COLORS = 1000,
        IDC_OK = 1054,
        IDC_PROMPT = 1071,
    };
};
