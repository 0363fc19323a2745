#include "ModalDriver.h"

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QtGlobal>

namespace {

constexpr int kPollMs = 10;
constexpr int kGiveUpMs = 5000;

QStringList& Failures() {
    static QStringList failures;
    return failures;
}

// Never reset, so a step can tell whether a failure came during it even if
// the test took the list meanwhile.
int& FailureCount() {
    static int count = 0;
    return count;
}

// Bumped when a failure abandons the test's dialogs: the steps still queued
// for them would otherwise wait on, and run on the next test's dialogs with
// references into a test function that has returned.
int& Generation() {
    static int generation = 0;
    return generation;
}

bool TestEnded() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return QTest::currentTestResolved(); // failed or skipped
#else
    return QTest::currentTestFailed();
#endif
}

void Abandon() {
    ++Generation();
    ModalDriver::CloseAllModals();
}

void Poll(ModalDriver::Action action, QPointer<QWidget> current, int generation, int waitedMs) {
    if (generation != Generation())
        return;
    QWidget* top = QApplication::activeModalWidget();
    if (top && top != current && top->isVisible()) {
        const int failuresBefore = FailureCount();
        action(top);
        // A failed QVERIFY or QCOMPARE returns from the action early, which
        // leaves its dialog (and the ones under it) in exec() for good.
        if (FailureCount() != failuresBefore || TestEnded())
            Abandon();
        return;
    }
    if (waitedMs >= kGiveUpMs) {
        Failures().append(QStringLiteral("no new modal dialog appeared"));
        ++FailureCount();
        Abandon();
        return;
    }
    QTimer::singleShot(kPollMs, [=] { Poll(action, current, generation, waitedMs + kPollMs); });
}

} // namespace

void ModalDriver::OnNextModal(Action action, QWidget* current) {
    QTimer::singleShot(0, [=, guard = QPointer<QWidget>(current), generation = Generation()] {
        Poll(action, guard, generation, 0);
    });
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
    ++FailureCount();
}
