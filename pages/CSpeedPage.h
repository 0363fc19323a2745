#pragma once

#include "WizardPage.h"

class QComboBox;

// The first page of the custom look: the delay between two slides.
class CSpeedPage : public WizardPage {
    Q_OBJECT

  public:
    enum { IDD = 129 };
    enum ControlId { IDC_SPEED = 1016, IDC_NEXT = 1001, IDC_BACK = 1014, IDC_CANCEL = 1054 };

    struct Speed {
        const char* label;
        const char* delay; // milliseconds, kept as the text the page script gets
    };
    // The list position of a label is the key to its delay.
    static const Speed kSpeeds[5];

    CSpeedPage();

    void OnNext();

  private:
    void OnInitDialog();

    QComboBox* m_comboSpeed;
};
