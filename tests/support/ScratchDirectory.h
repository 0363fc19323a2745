#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A fresh current directory for the scratch files, given back afterwards.
class ScratchDirectory {
  public:
    ScratchDirectory() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~ScratchDirectory() { QDir::setCurrent(m_previous); }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    QString Path() const { return m_dir.path(); }
    QString FilePath(const QString& name) const { return m_dir.filePath(name); }
    bool Exists(const QString& name) const { return QFile::exists(FilePath(name)); }
    QByteArray Read(const QString& name) const {
        QFile file(FilePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(FilePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

  private:
    QTemporaryDir m_dir;
    QString m_previous;
};
