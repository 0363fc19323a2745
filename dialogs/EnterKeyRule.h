#pragma once

#include <QObject>

// Return or keypad Enter anywhere on a dialog that names an Enter button
// presses that button, so no Enter ever ends a page by itself. A dropped-down
// combo-box list is a window of its own, so Enter there still picks its row.
class EnterKeyRule : public QObject {
    Q_OBJECT

  public:
    // Watches the application's key presses; once is enough.
    static void Install();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};
