#pragma once

#include <QMenu>

// A page's own window menu: the desktop owns the real one, so the page shows
// this on a right-click of its background and on Alt+Space. It starts with the
// Close command, as a window menu does.
class WindowMenu : public QMenu {
    Q_OBJECT

  public:
    enum : unsigned { SC_CLOSE = 0xF060 };

    explicit WindowMenu(QWidget* page);

    void AppendSeparator() { addSeparator(); }
    void AppendCommand(unsigned commandId, const QString& text);

  signals:
    void CommandChosen(unsigned commandId);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* m_page;
};
