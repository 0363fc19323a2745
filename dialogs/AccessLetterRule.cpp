#include "AccessLetterRule.h"

#include "TemplateDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QRadioButton>

void AccessLetterRule::Install() {
    static AccessLetterRule* rule = nullptr;
    if (rule)
        return;
    rule = new AccessLetterRule(qApp);
    qApp->installEventFilter(rule);
}

bool AccessLetterRule::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier) || key->text().isEmpty() ||
        !key->text().at(0).isLetterOrNumber())
        return false;
    auto* focused = qobject_cast<QAbstractButton*>(watched);
    auto* dialog = focused ? qobject_cast<TemplateDialog*>(focused->window()) : nullptr;
    if (!dialog)
        return false;

    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key->key())));
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || !button->isEnabled() ||
            QKeySequence::mnemonic(button->text()) != pressed)
            continue;
        if (qobject_cast<QRadioButton*>(button))
            button->setFocus(Qt::ShortcutFocusReason);
        button->click();
        return true;
    }
    return false;
}
