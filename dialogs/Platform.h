#pragma once

#include "Strings.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;
struct FileResult;

// The few desktop services the pages use, in one place so that each page
// reads like its handlers and tests can stand in for the user.
namespace Platform {

// A warning box with one OK button, captioned with the application's name.
void ShowMessage(QWidget* owner, const QString& text);
// The same for a string-table message.
void ShowMessage(QWidget* owner, StringId stringId);

// A failed file operation: what could not be done, then the file's full path
// and the system's reason.
void ShowFileFailure(QWidget* owner, const QString& whatFailed, const FileResult& failure);

// Asks the desktop to open a local file in the user's default program for it,
// without waiting. Relative paths are taken from the current directory. False
// when no program could be asked to open it.
[[nodiscard]] bool OpenInShell(const QString& path);

struct SaveAsOptions {
    QStringList nameFilters;
    QString defaultSuffix;
    QString initialName;
};
// A Save As dialog that asks nothing before an existing file; the chosen full
// path, or nothing when the user cancels.
std::optional<QString> AskSaveAsPath(QWidget* owner, const SaveAsOptions& options);

// Tests answer message boxes here instead of on screen; an empty hook shows them.
using MessageHook = std::function<void(const QString& text)>;
void SetMessageHook(MessageHook hook);

} // namespace Platform
