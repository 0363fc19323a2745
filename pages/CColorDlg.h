#pragma once

#include "ColorDlgIds.h"
#include "TemplateDialog.h"

#include <QColor>
#include <QStringList>

class QLabel;
class QListWidget;

// Lists the named colours and paints a swatch of the selected one. It ends
// accepted only when a name was chosen, so a caller never takes an empty one.
class CColorDlg : public TemplateDialog, public ColorDlgIds {
    Q_OBJECT

  public:
    explicit CColorDlg(QWidget* parent = nullptr);

    QString m_strColor; // the chosen name once accepted, else empty

    void OnOK();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void OnInitDialog();
    void OnSelChange();
    int SelectedRow() const;

    QLabel* m_staticPrompt;
    QListWidget* m_listColors;
    QStringList m_colorNames;
    QColor m_swatchColor; // invalid until a row is selected
};
