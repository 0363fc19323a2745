#include "EnterKeyRule.h"

#include "TemplateDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

void EnterKeyRule::Install() {
    static EnterKeyRule* rule = nullptr;
    if (rule)
        return;
    rule = new EnterKeyRule(qApp);
    qApp->installEventFilter(rule);
}

bool EnterKeyRule::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    const auto* dialog = qobject_cast<TemplateDialog*>(static_cast<QWidget*>(watched)->window());
    QAbstractButton* button = dialog ? dialog->EnterButton() : nullptr;
    if (!button || !button->isEnabled())
        return false;
    button->click();
    return true;
}
