#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tools/screenshooter/shots.h"

namespace {

// A child's own music file somewhere outside the media folder, of a size worth showing.
QString childsFile(const QString& relativePath, qint64 size) {
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/home-XXXXXX"));
    const QString path = QDir(home.path()).filePath(relativePath);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.resize(size);
    return path;
}

void openScreen(TestProgram& t) {
    t.click(ScreenId::Form1, "Image10");
}

void sail(TestProgram& t) {
    openScreen(t);
    t.click(ScreenId::Form9, "Image1");
}

void chooseFile(TestProgram& t, const QString& path) {
    t.dialogs.fileAnswers.push_back(path);
    t.click(ScreenId::Form9, "Image8");
}

// After the ship, a song of the child's own.
void playSong(TestProgram& t) {
    sail(t);
    chooseFile(t, childsFile(QStringLiteral("Песни/Морская.mp3"), 3'145'728));
}

// The song, then one button of the pad.
Shot padShot(const char* name, const char* button) {
    return {name, ScreenId::Form9, [button](TestProgram& t) {
                playSong(t);
                t.click(ScreenId::Form9, QString::fromUtf8(button));
            }};
}

}  // namespace

std::vector<Shot> form9Shots() {
    return {
        {"form9_text", ScreenId::Form9, openScreen},
        {"form9_ship", ScreenId::Form9, sail},
        {"form9_file", ScreenId::Form9, playSong},
        {"form9_file_long_path", ScreenId::Form9,
         [](TestProgram& t) {
             sail(t);
             chooseFile(t, childsFile(QStringLiteral("Музыка/Мультфильмы/Про кораблик/"
                                                     "Песенка про ветер и паруса.wav"),
                                      48'213));
         }},
        padShot("form9_stop", "Image5"),
        padShot("form9_rewind", "Image6"),
        padShot("form9_next", "Image4"),
        {"form9_played_to_the_end", ScreenId::Form9,
         [](TestProgram& t) {
             playSong(t);
             t.advance(1000);  // the fake media last a second
         }},
        {"form9_text_while_playing", ScreenId::Form9,
         [](TestProgram& t) {
             playSong(t);
             t.click(ScreenId::Form9, "Command2");
         }},
    };
}
