#include "WindowMenu.h"

#include <QContextMenuEvent>
#include <QShortcut>

WindowMenu::WindowMenu(QWidget* page) : QMenu(page), m_page(page) {
    AppendCommand(SC_CLOSE, tr("&Close"));
    page->installEventFilter(this);
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), page);
    connect(shortcut, &QShortcut::activated, this,
            [this] { popup(m_page->mapToGlobal(QPoint(0, 0))); });
}

void WindowMenu::AppendCommand(unsigned commandId, const QString& text) {
    QAction* action = addAction(text);
    connect(action, &QAction::triggered, this,
            [this, commandId] { emit CommandChosen(commandId); });
}

bool WindowMenu::eventFilter(QObject* watched, QEvent* event) {
    // Only the page's own background: controls keep their own context menus.
    if (watched == m_page && event->type() == QEvent::ContextMenu) {
        popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return false;
}
