#pragma once

#include "Platform.h"

#include <QStringList>

// Answers the program's message boxes while it lives, keeping their texts.
class MessageRecorder {
  public:
    MessageRecorder() {
        Platform::SetMessageHook([this](const QString& text) { m_messages.append(text); });
    }
    ~MessageRecorder() { Platform::SetMessageHook({}); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QStringList& Messages() const { return m_messages; }

  private:
    QStringList m_messages;
};
