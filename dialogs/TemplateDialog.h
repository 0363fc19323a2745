#pragma once

#include "DialogTemplate.h"

#include <QDialog>
#include <QHash>

class QAbstractButton;

// A modal dialog built from a dialog template: its caption, size and controls
// in template order (which is the tab order), each control findable by id.
class TemplateDialog : public QDialog {
    Q_OBJECT

  public:
    explicit TemplateDialog(int templateId, QWidget* parent = nullptr);

    QWidget* Control(int id) const { return m_controls.value(id); }
    template <typename T> T* ControlAs(int id) const { return qobject_cast<T*>(Control(id)); }

    // The button that Enter presses wherever the focus is on this dialog
    // (0: Enter keeps its usual meaning). Returns nullptr when there is none.
    QAbstractButton* EnterButton() const;

  protected:
    void SetEnterButton(int id) { m_enterButtonId = id; }
    // Calls handler when the button with this id is clicked.
    template <typename Handler> void OnClicked(int id, Handler handler);

  private:
    void ConnectClicked(int id, std::function<void()> handler);

    int m_enterButtonId = 0;
    QHash<int, QWidget*> m_controls;
};

template <typename Handler> void TemplateDialog::OnClicked(int id, Handler handler) {
    ConnectClicked(id, std::function<void()>(handler));
}
