#include "ScratchDirTest.h"

#include <QFile>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

ScratchDirTest::~ScratchDirTest() {
    for (const int fd : m_heldLocks)
        ::close(fd);
}

void ScratchDirTest::SetUp() {
    ASSERT_TRUE(m_scratch.isValid());
    ASSERT_TRUE(m_output.isValid());
}

QString ScratchDirTest::ScratchPath(const char* name) const {
    return m_scratch.filePath(QString::fromLatin1(name));
}

QString ScratchDirTest::OutputPath(const QString& name) const {
    return m_output.filePath(name);
}

void ScratchDirTest::WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ScratchDirTest::ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

void ScratchDirTest::HoldLockOn(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0) << path.toStdString();
    m_heldLocks.push_back(fd);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
}
