#pragma once

#include "ImagePageIds.h"
#include "WizardPage.h"

#include <QIcon>

class QLineEdit;
class QTreeWidget;
class WindowMenu;

// The first page and the program's main window: the user types image
// addresses, adds them to an ordered list and goes on with at least two.
class CImagePage : public WizardPage, public ImagePageIds {
    Q_OBJECT

  public:
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

    QTreeWidget* m_listImages;
    QLineEdit* m_editImage;
    QIcon m_hAppIcon;
    WindowMenu* m_windowMenu;
};
