#include "Platform.h"

#include "FileResult.h"
#include "Strings.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace Platform {

namespace {

MessageHook& CurrentMessageHook() {
    static MessageHook hook;
    return hook;
}

} // namespace

void ShowMessage(QWidget* owner, const QString& text) {
    if (const MessageHook& hook = CurrentMessageHook()) {
        hook(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, owner);
    box.exec();
}

void ShowMessage(QWidget* owner, StringId stringId) {
    ShowMessage(owner, LoadString(stringId));
}

void ShowFileFailure(QWidget* owner, const QString& whatFailed, const FileResult& failure) {
    ShowMessage(owner,
                QStringLiteral("%1\n\n%2\n%3")
                    .arg(whatFailed, QFileInfo(failure.path).absoluteFilePath(), failure.reason));
}

bool OpenInShell(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

std::optional<QString> AskSaveAsPath(QWidget* owner, const SaveAsOptions& options) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(options.nameFilters);
    dialog.setDefaultSuffix(options.defaultSuffix);
    dialog.selectFile(options.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void SetMessageHook(MessageHook hook) {
    CurrentMessageHook() = std::move(hook);
}

} // namespace Platform
