#pragma once

#include "DialogTemplate.h"

// Template 134: The border style page: a colour box, its "..." button and, for borders, a size list
// per setting. The one place that numbers its controls; the template, the page and its tests all
// name them from here.
struct BorderPageIds {
    enum { IDD = 134 };
    enum ControlId {
        IDC_FONT_COLOR = 1003,
        IDC_BACK = 1014,
        IDC_DIAGRAM = 1032,
        IDC_TABLE_LEFT_SIZE = 1035,
        IDC_TABLE_TOP_SIZE = 1038,
        IDC_TABLE_RIGHT_SIZE = 1040,
        IDC_TABLE_BOTTOM_SIZE = 1042,
        IDC_TD_LEFT_SIZE = 1045,
        IDC_TD_TOP_SIZE = 1048,
        IDC_TD_RIGHT_SIZE = 1050,
        IDC_TD_BOTTOM_SIZE = 1052,
        IDC_SAMPLE_COLORS = 1054,
        IDC_TABLE_BACKGROUND = 1055,
        IDC_TABLE_LEFT_COLOR = 1056,
        IDC_TD_BACKGROUND = 1057,
        IDC_TABLE_TOP_COLOR = 1058,
        IDC_TABLE_RIGHT_COLOR = 1059,
        IDC_TABLE_BOTTOM_COLOR = 1060,
        IDC_TD_LEFT_COLOR = 1061,
        IDC_TD_TOP_COLOR = 1062,
        IDC_TD_RIGHT_COLOR = 1063,
        IDC_TD_BOTTOM_COLOR = 1064,
        IDC_NEXT = 1065,
        IDC_SELECT_BACKGROUND = 1067,
        IDC_PICK_SELECT_BACKGROUND = 1068,
        IDC_PICK_FONT_COLOR = 1069,
        IDC_PICK_TABLE_LEFT_COLOR = 1070,
        IDC_PICK_TABLE_TOP_COLOR = 1071,
        IDC_PICK_TABLE_RIGHT_COLOR = 1072,
        IDC_PICK_TABLE_BOTTOM_COLOR = 1073,
        IDC_PICK_TD_LEFT_COLOR = 1074,
        IDC_PICK_TD_TOP_COLOR = 1075,
        IDC_PICK_TD_RIGHT_COLOR = 1076,
        IDC_PICK_TD_BOTTOM_COLOR = 1077,
        IDC_PICK_TABLE_BACKGROUND = 1078,
        IDC_PICK_TD_BACKGROUND = 1079,
        IDC_CANCEL = 1080,
    };
};
