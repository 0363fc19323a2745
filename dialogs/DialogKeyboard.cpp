#include "DialogKeyboard.h"

#include "TemplateDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QRadioButton>

void DialogKeyboard::Install() {
    static DialogKeyboard* keyboard = nullptr;
    if (keyboard)
        return;
    keyboard = new DialogKeyboard(qApp);
    qApp->installEventFilter(keyboard);
}

bool DialogKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto& focused = *static_cast<QWidget*>(watched);
    const auto& key = *static_cast<QKeyEvent*>(event);
    return PressEnterButton(focused, key) || PressAccessLetter(focused, key);
}

bool DialogKeyboard::PressEnterButton(QWidget& focused, const QKeyEvent& key) {
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
        return false;
    const auto* dialog = qobject_cast<TemplateDialog*>(focused.window());
    QAbstractButton* button = dialog ? dialog->EnterButton() : nullptr;
    if (!button || !button->isEnabled())
        return false;
    button->click();
    return true;
}

bool DialogKeyboard::PressAccessLetter(QWidget& focused, const QKeyEvent& key) {
    if (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier) || key.text().isEmpty() ||
        !key.text().at(0).isLetterOrNumber() || !qobject_cast<QAbstractButton*>(&focused))
        return false;
    auto* dialog = qobject_cast<TemplateDialog*>(focused.window());
    if (!dialog)
        return false;

    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key.key())));
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
