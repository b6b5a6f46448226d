#pragma once
// What the eight teaching screens share: the textbook viewer with its warning text, the Back and
// Text buttons, the Silence icon, the way every screen plays a sound, and the reading of a lesson
// text into a screen's viewer.
#include <QByteArray>
#include <QString>

#include "shell/screen.h"

class Clock;
class MediaPlayer;
class Program;

namespace frame {

// The viewer's content until a lesson text is read into it: "  Программа работает неверно !
// Папку EVY необходимо скопировать на диск C !" in code page 1251.
inline constexpr char kWarningText[] =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fnil\\fcharset204 MS Sans Serif;}}\r\n"
    "\\viewkind4\\uc1\\pard\\lang1049\\f0\\fs17   \\'cf\\'f0\\'ee\\'e3\\'f0\\'e0\\'ec\\'ec\\'e0 "
    "\\'f0\\'e0\\'e1\\'ee\\'f2\\'e0\\'e5\\'f2 \\'ed\\'e5\\'e2\\'e5\\'f0\\'ed\\'ee ! "
    "\\'cf\\'e0\\'ef\\'ea\\'f3 "
    "EVY \\'ed\\'e5\\'ee\\'e1\\'f5\\'ee\\'e4\\'e8\\'ec\\'ee "
    "\\'f1\\'ea\\'ee\\'ef\\'e8\\'f0\\'ee\\'e2\\'e0\\'f2\\'fc "
    "\\'ed\\'e0 \\'e4\\'e8\\'f1\\'ea C !\r\n"
    "\\par }\r\n";

// Client sizes of the lesson windows, in twips.
constexpr int kWidth = 9510;
constexpr int kShortHeight = 5925;
constexpr int kTallHeight = 5955;
constexpr ColorValue kBackground = 0x00C0C0C0;

// The frame's rows for a screen's widget table.
constexpr WidgetSpec richTextBox1() {
    return {.name = "RichTextBox1",
            .kind = WidgetKind::TextbookViewer,
            .bounds = {120, 120, 5775, 5175},
            .caption = kWarningText,
            .tabIndex = 0};
}
constexpr WidgetSpec command1(int tabIndex) {
    return {.name = "Command1",
            .kind = WidgetKind::CommandButton,
            .bounds = {8160, 5400, 1095, 375},
            .tooltip = " Возврат в меню ",
            .caption = "Назад",
            .tabIndex = tabIndex};
}
constexpr WidgetSpec command2(int tabIndex) {
    return {.name = "Command2",
            .kind = WidgetKind::CommandButton,
            .bounds = {240, 5400, 1095, 375},
            .tooltip = " Показать текст учебника ",
            .enabled = false,
            .caption = "Текст",
            .tabIndex = tabIndex};
}
constexpr WidgetSpec image13() {
    return {.name = "Image13",
            .kind = WidgetKind::PictureImage,
            .bounds = {7560, 5280, 480, 480},
            .picture = "common_image13",
            .tooltip = " Тишина "};
}
constexpr WidgetSpec mediaPlayer(const char* name, Bounds bounds, bool visible = false) {
    return {.name = name, .kind = WidgetKind::MediaPlayer, .bounds = bounds, .visible = visible};
}
// A hot spot over one part of a screen's picture that stays off until the screen's tour.
constexpr WidgetSpec tourHotSpot(const char* name, Bounds bounds, const char* tooltip) {
    return {.name = name,
            .kind = WidgetKind::HotSpot,
            .bounds = bounds,
            .tooltip = tooltip,
            .enabled = false};
}
constexpr WidgetSpec timer(const char* name, int interval, bool enabled = false) {
    return {.name = name, .kind = WidgetKind::Timer, .enabled = enabled, .interval = interval};
}

// "Close", the file, "Open", "Play": how every screen plays a sound.
void playSequence(MediaPlayer& player, const QString& file);

// The Silence icon of all nine screens: closes the menu music, the disc player and the
// after-lessons player, then plays the silence sound on the latter.
void silence(Screen& s);

// Shows a date label with today's date, in the system's short form with plain digits.
void showToday(Widget& label, const Clock& clock);

// The steps every Text and Back button shares: back to text mode.
void showTextbook(Screen& s);

// The text file each teaching screen's viewer reads when the menu opens the screen.
struct LessonText {
    ScreenId screen;
    const char* file;
};
inline constexpr LessonText kLessonTexts[] = {
    {ScreenId::Form2, "\\evy\\v.vrk"}, {ScreenId::Form3, "\\evy\\d.vrk"},
    {ScreenId::Form4, "\\evy\\1.vrk"}, {ScreenId::Form5, "\\evy\\2.vrk"},
    {ScreenId::Form6, "\\evy\\3.vrk"}, {ScreenId::Form7, "\\evy\\4.vrk"},
    {ScreenId::Form8, "\\evy\\5.vrk"}, {ScreenId::Form9, "\\evy\\p.vrk"},
};
QString lessonTextOf(ScreenId screen);

// The bytes of a lesson text file as loadLessonText reads them; empty when they cannot be read.
QByteArray readLessonText(const QString& file, const QString& workingDir);

// Reads a lesson text file whole into a teaching screen's viewer. The reading comes first: when it
// fails the screen is neither created nor touched. Every step is a step of the calling handler.
void loadLessonText(Program& program, ScreenId screen, const QString& file);

// Larger lesson texts count as unreadable: reading one whole would freeze the program.
constexpr qint64 kMaxLessonTextBytes = 64ll * 1024 * 1024;

}  // namespace frame
