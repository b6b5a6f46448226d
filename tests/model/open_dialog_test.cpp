// Where the open-file dialog starts: the file, its folder, the media folder or home.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/qt_dialogs.h"
#include "tests/support/test_program.h"

namespace {

TEST(OpenDialogStart, StartsAtTheNamedFileOrItsFolderAndOtherwiseAtHome) {
    QTemporaryDir work;
    const QDir dir(work.path());
    ASSERT_TRUE(dir.mkpath("EVY") && dir.mkpath("songs"));
    for (const char* name : {"EVY/4.mid", "songs/sea.mp3"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QTemporaryDir bare;  // a working folder with no media folder above it
    const QString media = dir.filePath("EVY");
    const struct {
        QString fileName;
        QString workingDir;
        QString start;
    } rows[] = {
        {"c:\\EVY\\*.*", work.path(), media},
        {"C:\\evy\\*.*", dir.filePath("songs"), media},  // found from below, in any letter case
        {"\\evy\\4.mid", work.path(), dir.filePath("EVY/4.mid")},
        {"\\evy\\gone.mid", work.path(), media},
        {dir.filePath("songs/sea.mp3"), bare.path(), dir.filePath("songs/sea.mp3")},
        {dir.filePath("songs/gone.mp3"), bare.path(), dir.filePath("songs")},
        {"c:\\EVY\\*.*", bare.path(), QDir::homePath()},
        {dir.filePath("nowhere/sea.mp3"), bare.path(), QDir::homePath()},
    };
    for (const auto& row : rows)
        EXPECT_EQ(openDialogStart(row.fileName, row.workingDir), row.start) << row.fileName;
}

}  // namespace
