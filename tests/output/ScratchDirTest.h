#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

// A fresh scratch directory and output directory for each test, with helpers
// that read and write files without going through the code under test.
class ScratchDirTest : public ::testing::Test {
  public:
    ~ScratchDirTest() override;

    QString ScratchPath(const char* name) const;
    QString OutputPath(const QString& name) const;
    static void WriteBytes(const QString& path, const QByteArray& bytes);
    static QByteArray ReadBytes(const QString& path);
    // Takes the exclusive lock another program would hold on the file.
    void HoldLockOn(const QString& path);

  protected:
    void SetUp() override;

    QTemporaryDir m_scratch;
    QTemporaryDir m_output;

  private:
    std::vector<int> m_heldLocks;
};
