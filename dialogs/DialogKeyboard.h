#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

// The keys the templates' dialog manager handles itself, as one
// application-wide filter:
// - Return or keypad Enter anywhere on a dialog that names an Enter button
//   presses that button, so no Enter ever ends a page by itself. A dropped-down
//   combo-box list is a window of its own, so Enter there still picks its row.
// - A plain letter works as an access letter while the focus is on a control
//   that takes no text (a push button or a radio button): with the focus on
//   Next, "b" presses Back. Edit boxes, lists and combo boxes keep their letters
//   for typing and type-ahead.
class DialogKeyboard : public QObject {
    Q_OBJECT

  public:
    // Watches the application's key presses; once is enough.
    static void Install();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
    static bool PressEnterButton(QWidget& focused, const QKeyEvent& key);
    static bool PressAccessLetter(QWidget& focused, const QKeyEvent& key);
};
