#pragma once

#include "DialogTemplate.h"

// Template 100: the About box. Its only addressed control is the platform's OK.
struct AboutBoxIds {
    enum { IDD_ABOUTBOX = 100 };
};
