#pragma once

#include <QObject>

// A plain letter works as an access letter while the focus is on a control
// that takes no text (a push button or a radio button): on a page, with the
// focus on Next, "b" presses Back. Edit boxes, lists and combo boxes keep
// their letters for typing and type-ahead.
class AccessLetterRule : public QObject {
    Q_OBJECT

  public:
    // Watches the application's key presses; once is enough.
    static void Install();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};
