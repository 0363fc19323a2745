#include "TemplateDialog.h"

#include "DialogBuilder.h"
#include "DialogKeyboard.h"
#include "DialogTemplate.h"

#include <QAbstractButton>

TemplateDialog::TemplateDialog(int templateId, QWidget* parent) : QDialog(parent) {
    DialogKeyboard::Install();
    if (const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId))
        m_controls = BuildDialog(*this, *dialogTemplate);
    ConnectClicked(IDOK, [this] { accept(); });
    ConnectClicked(IDCANCEL, [this] { reject(); });
}

QAbstractButton* TemplateDialog::EnterButton() const {
    return m_enterButtonId ? ControlAs<QAbstractButton>(m_enterButtonId) : nullptr;
}

void TemplateDialog::ConnectClicked(int id, std::function<void()> handler) {
    if (auto* button = ControlAs<QAbstractButton>(id))
        connect(button, &QAbstractButton::clicked, this, std::move(handler));
}
