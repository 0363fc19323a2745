#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

// Drives nested modal dialogs from a test. exec() blocks the caller, so a test
// queues what to do with the next dialog before it presses the button that
// opens it; the driver waits for that dialog to be the top modal one.
class ModalDriver {
  public:
    using Action = std::function<void(QWidget* dialog)>;

    // Runs action on the next modal dialog that is not `current` (typically
    // the page whose button opens it). If none shows within a few seconds,
    // records a failure. Then, or when the action fails (a QVERIFY or QCOMPARE
    // in it returns early), closes every dialog and drops the steps still
    // queued, so the test cannot hang.
    static void OnNextModal(Action action, QWidget* current = nullptr);

    // The same, with the dialog cast to T; a dialog of another class is a failure.
    template <typename T>
    static void OnNext(std::function<void(T*)> action, QWidget* current = nullptr) {
        OnNextModal(
            [action](QWidget* dialog) {
                T* typed = qobject_cast<T*>(dialog);
                if (!typed) {
                    RecordFailure(QStringLiteral("expected %1, got %2")
                                      .arg(QString::fromLatin1(T::staticMetaObject.className()),
                                           QString::fromLatin1(dialog->metaObject()->className())));
                    CloseAllModals();
                    return;
                }
                action(typed);
            },
            current);
    }

    static void CloseAllModals();
    // Failures seen since the last call, then cleared: checked by the test.
    static QStringList TakeFailures();

  private:
    static void RecordFailure(const QString& failure);
};
