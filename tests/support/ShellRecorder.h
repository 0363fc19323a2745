#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the desktop's handler of file URLs, keeping what it was asked
// to open instead of starting a browser.
class ShellRecorder : public QObject {
    Q_OBJECT

  public:
    ShellRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~ShellRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    const QList<QUrl>& Opened() const { return m_opened; }

  public slots:
    void Open(const QUrl& url) { m_opened.append(url); }

  private:
    QList<QUrl> m_opened;
};
