#pragma once

#include "SpeedPageIds.h"
#include "WizardPage.h"

class QComboBox;

// The first page of the custom look: the delay between two slides.
class CSpeedPage : public WizardPage, public SpeedPageIds {
    Q_OBJECT

  public:
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
