#include "ModalDriver.h"

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>

namespace {

constexpr int kPollMs = 10;
constexpr int kGiveUpMs = 5000;

QStringList& Failures() {
    static QStringList failures;
    return failures;
}

void Poll(ModalDriver::Action action, QPointer<QWidget> current, int waitedMs) {
    QWidget* top = QApplication::activeModalWidget();
    if (top && top != current && top->isVisible()) {
        action(top);
        return;
    }
    if (waitedMs >= kGiveUpMs) {
        Failures().append(QStringLiteral("no new modal dialog appeared"));
        ModalDriver::CloseAllModals();
        return;
    }
    QTimer::singleShot(kPollMs, [=] { Poll(action, current, waitedMs + kPollMs); });
}

} // namespace

void ModalDriver::OnNextModal(Action action, QWidget* current) {
    QTimer::singleShot(0, [=, guard = QPointer<QWidget>(current)] { Poll(action, guard, 0); });
}

void ModalDriver::CloseAllModals() {
    while (QWidget* top = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(top))
            dialog->reject();
        else
            top->close();
        QApplication::processEvents();
        if (QApplication::activeModalWidget() == top)
            break;
    }
}

QStringList ModalDriver::TakeFailures() {
    return std::exchange(Failures(), {});
}

void ModalDriver::RecordFailure(const QString& failure) {
    Failures().append(failure);
}
