#include "gui/desktop_services.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>

namespace quillbit {
namespace {

std::string Std(const QString& text) {
  return text.toStdString();
}

class DesktopServicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    QFile file(folder.filePath("tool"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a program\n");
    file.close();
    ASSERT_TRUE(QDir(folder.path()).mkdir("MSINFO32.EXE"));
  }
  QTemporaryDir folder;
  DesktopFiles files;
  DesktopPrograms programs;
};

TEST_F(DesktopServicesTest, OnlyARegularFileExists) {
  EXPECT_TRUE(files.FileExists(Std(folder.filePath("tool"))));
  EXPECT_FALSE(files.FileExists(Std(folder.filePath("MSINFO32.EXE"))));
  EXPECT_FALSE(files.FileExists(Std(folder.path())));
  EXPECT_FALSE(files.FileExists(Std(folder.filePath("missing"))));
  EXPECT_FALSE(files.FileExists(""));
}

TEST_F(DesktopServicesTest, StartsAProgramByItsPath) {
  const QString program = QFileInfo::exists("/usr/bin/true") ? "/usr/bin/true" : "/bin/true";
  EXPECT_TRUE(programs.Start(Std(program)));
}

TEST_F(DesktopServicesTest, WhatIsNoProgramFailsToStart) {
  for (const QString& path : {folder.filePath("missing"), folder.filePath("MSINFO32.EXE"),
                              folder.filePath("tool"), folder.path(), QString()}) {
    SCOPED_TRACE(Std(path));
    EXPECT_FALSE(programs.Start(Std(path)));
  }
}

TEST_F(DesktopServicesTest, APathIsNeverACommandLine) {
  const QString marker = folder.filePath("marker");
  for (const QString& path : {"/usr/bin/touch " + marker, "true; /usr/bin/touch " + marker,
                              "$(/usr/bin/touch " + marker + ")"}) {
    SCOPED_TRACE(Std(path));
    EXPECT_FALSE(programs.Start(Std(path)));
  }
  EXPECT_FALSE(QFileInfo::exists(marker));
}

}  // namespace
}  // namespace quillbit
