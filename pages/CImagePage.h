#pragma once

#include "WizardPage.h"

#include <QIcon>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class WindowMenu;

// The first page and the program's main window: the user types image
// addresses, adds them to an ordered list and goes on with at least two.
class CImagePage : public WizardPage {
    Q_OBJECT

  public:
    enum { IDD = 102 };
    enum ControlId {
        IDC_LIST = 1000,
        IDC_NEXT = 1001,
        IDC_ADD = 1002,
        IDC_IMAGE = 1003,
        IDC_UP = 1010,
        IDC_DOWN = 1011,
        IDC_REMOVE = 1012
    };
    enum Column { ColumnOrder, ColumnImage };
    // The About command of the window menu; the system keeps the low four bits.
    enum : unsigned { IDM_ABOUTBOX = 0x0010 };

    CImagePage();

    WindowMenu& SystemMenu() const { return *m_windowMenu; }
    void OnSysCommand(unsigned nID, qintptr lParam = 0);

    void OnAdd();
    void OnUp();
    void OnDown();
    void OnRemove();
    void OnNext();

  private:
    void OnInitDialog();
    void AddAboutCommand();
    int FirstSelectedRow() const;
    void SwapImageTexts(int row, int otherRow);

    QPushButton* m_btnNext;
    QTreeWidget* m_listImages;
    QLineEdit* m_editImage;
    QIcon m_hAppIcon;
    WindowMenu* m_windowMenu;
};
