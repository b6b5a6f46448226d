// The After-lessons screen: a child's player for any media file. The ship starts the screen's own
// music; a round pad plays, stops, rewinds and skips, with a small mark lit on the button last
// used; a folder icon or the microphone opens a file dialog and plays the file chosen, showing its
// full name and its size in bytes.
#include <QFileInfo>
#include <optional>

#include "lessons/lesson_frame.h"
#include "media/guide.h"
#include "media/media_path.h"
#include "media/media_player.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

constexpr char kOpenTooltip[] = " Понимаю форматы MID WAV AVI DAT MP3 MP4 и другие ";

constexpr WidgetSpec padButton(const char* name, Bounds bounds, const char* tooltip) {
    return {.name = name, .kind = WidgetKind::HotSpot, .bounds = bounds, .tooltip = tooltip};
}

constexpr WidgetSpec mark(const char* name, Bounds bounds, const char* picture, bool visible) {
    return {.name = name, .bounds = bounds, .picture = picture, .visible = visible};
}

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    {.name = "CommonDialog1", .kind = WidgetKind::CommonDialog, .caption = "c:\\EVY\\*.*"},
    frame::mediaPlayer("MMControl1", {240, 3360, 3540, 330}),
    frame::command1(2),
    frame::command2(1),
    frame::richTextBox1(),
    frame::image13(),
    {.name = "Picture1", .kind = WidgetKind::PictureBox, .bounds = {1800, 3720, 2775, 1935},
     .backColor = 0x80000005, .sunken = true},
    {.name = "Label2", .kind = WidgetKind::Label, .bounds = {240, 1320, 1695, 495},
     .tooltip = " Протяженность файла ", .foreColor = 0x000000FF, .backColor = 0x00FFFFFF,
     .container = "Picture1"},
    {.name = "Label1", .kind = WidgetKind::Label, .bounds = {240, 720, 2415, 495},
     .foreColor = 0x00FF0000, .backColor = 0x00FFFFFF, .container = "Picture1"},
    {.name = "Image7", .bounds = {360, 0, 720, 720}, .picture = "form9_image7", .tooltip = kOpenTooltip},
    mark("Image12", {4440, 2280, 195, 75}, "form9_image12", false),
    mark("Image11", {2400, 2280, 195, 75}, "form9_image11", false),
    mark("Image10", {3840, 3000, 195, 75}, "form9_image10", false),
    mark("Image9", {3840, 1200, 195, 75}, "form9_image9", true),
    {.name = "Image8", .bounds = {120, 3000, 1500, 1725}, .picture = "form9_image8", .tooltip = kOpenTooltip},
    padButton("Image6", {2160, 1320, 615, 1455}, " Перемотка к началу "),
    padButton("Image5", {2760, 2760, 1455, 615}, " Стоп "),
    padButton("Image4", {4200, 1320, 615, 1455}, " Следующая запись "),
    padButton("Image3", {2760, 720, 1455, 615}, " Воспроизведение "),
    {.name = "Image2", .bounds = {1800, 360, 3375, 3375}, .picture = "form9_image2"},
    {.name = "Image1", .bounds = {4560, 360, 4590, 5295}, .picture = "form9_image1"},
};
// clang-format on

// The pad's marks: the one lit shows which button was used last.
constexpr const char* kPlayMark = "Image9";
constexpr const char* kStopMark = "Image10";
constexpr const char* kRewindMark = "Image11";
constexpr const char* kNextMark = "Image12";
constexpr const char* kMarks[] = {kPlayMark, kStopMark, kRewindMark, kNextMark};

// Sets the microphone picture (shown while something is meant to play; untouched without a
// value), then lights `lit` and puts out the other marks, in the screen's fixed order.
void setMarks(Screen& s, std::optional<bool> somethingToPlay, const char* lit) {
    if (somethingToPlay) s["Image8"].setVisible(*somethingToPlay);
    for (const char* m : kMarks) s[m].setVisible(m == lit);
}

MediaPlayer& player(Screen& s) {
    return s.player("MMControl1");
}

QString dialogFile(Screen& s) {
    return s["CommonDialog1"].fileName();
}

// "512 байт"; empty when the file cannot be measured (none chosen yet, or gone).
QString sizeText(Screen& s, const QString& mediaFile) {
    const QFileInfo file(resolveMediaPath(mediaFile, s.program().workingDir()));
    if (file.filePath().isEmpty() || !file.isFile()) return {};
    return QString::number(file.size()) + QStringLiteral(" байт");
}

void command1Click(Screen& s) {
    s.guide().stop();
    s.guide().hide();
    s["Label1"].setCaption({});
    s["Label2"].setCaption({});
    s["Image1"].setMousePointer(99);
    s.hide();
    frame::showTextbook(s);
    s.program().show(ScreenId::Form1);
}

void command2Click(Screen& s) {
    frame::showTextbook(s);
    s["Image8"].show();
}

void load(Screen&) {}

// The ship: a wish from the guide, the other music off, and the screen's own music.
void image1Click(Screen& s) {
    Guide& g = s.guide();
    g.stop();
    g.play(QStringLiteral("Wave"));
    g.speak(QStringLiteral("Попутного тебе ветра!"));
    s["CommonDialog1"].setFileName(QStringLiteral("\\evy\\4.mid"));
    s["Image1"].setMousePointer(99);
    s.form(ScreenId::Form1).player("MMControl1").sendCommand(QStringLiteral("Close"));
    Screen& lesson3 = s.form(ScreenId::Form6);
    lesson3["MMControl3"].hide();
    lesson3.player("MMControl3").sendCommand(QStringLiteral("Stop"));
    lesson3.player("MMControl3").sendCommand(QStringLiteral("Close"));
    frame::playSequence(player(s), QStringLiteral("\\evy\\4.mid"));
    s["RichTextBox1"].hide();
    s["Command2"].enable();
    setMarks(s, true, kPlayMark);
}

void image3Click(Screen& s) {  // Play
    setMarks(s, true, kPlayMark);
    player(s).sendCommand(QStringLiteral("Play"));
}

void image4Click(Screen& s) {  // Next
    player(s).sendCommand(QStringLiteral("Next"));
    setMarks(s, std::nullopt, kNextMark);
}

void image5Click(Screen& s) {  // Stop
    setMarks(s, false, kStopMark);
    player(s).sendCommand(QStringLiteral("Stop"));
}

// Rewind: the dialog's file again, at its start, stopped and ready for Play.
void image6Click(Screen& s) {
    setMarks(s, false, kRewindMark);
    MediaPlayer& p = player(s);
    p.sendCommand(QStringLiteral("Close"));
    p.setMediaFile(dialogFile(s));
    p.sendCommand(QStringLiteral("Open"));
}

// The folder and the microphone: the child chooses a file, which plays at once. A cancel keeps
// the dialog's last name, so that file starts again from the beginning.
void openFileClick(Screen& s) {
    s["CommonDialog1"].showOpenDialog();
    MediaPlayer& p = player(s);
    p.sendCommand(QStringLiteral("Stop"));
    p.sendCommand(QStringLiteral("Close"));
    p.setMediaFile(dialogFile(s));
    p.sendCommand(QStringLiteral("Open"));
    p.sendCommand(QStringLiteral("Play"));
    s["Label1"].setCaption(dialogFile(s));
    setMarks(s, true, kPlayMark);
    s["Label2"].setCaption(sizeText(s, p.currentMediaFile()));
}

// Playing reached its end: the play mark goes out, the others stay as they are.
void mmControl1Done(Screen& s) {
    s[kPlayMark].hide();
}

void mmControl1StatusUpdate(Screen&) {}

// clang-format off
const HandlerSpec kHandlers[] = {
    {"Command1", Event::Click, StepTolerant, command1Click},
    {"Command2", Event::Click, Strict, command2Click},
    {"Form9", Event::Load, StepTolerant, load},
    {"Image1", Event::Click, StepTolerant, image1Click},
    {"Image13", Event::Click, Strict, frame::silence},
    {"Image3", Event::Click, Strict, image3Click},
    {"Image4", Event::Click, Strict, image4Click},
    {"Image5", Event::Click, Strict, image5Click},
    {"Image6", Event::Click, Strict, image6Click},
    {"Image7", Event::Click, Strict, openFileClick},
    {"Image8", Event::Click, Strict, openFileClick},
    {"MMControl1", Event::Done, Strict, mmControl1Done},
    {"MMControl1", Event::StatusUpdate, Strict, mmControl1StatusUpdate},
};
// clang-format on

}  // namespace

const ScreenDefinition& form9() {
    static const ScreenDefinition definition{
        .id = ScreenId::Form9,
        .kind = WindowKind::LessonWindow,
        .caption = "     После уроков",
        .clientWidth = frame::kWidth,
        .clientHeight = frame::kShortHeight,
        .backColor = frame::kBackground,
        .closeClicks = "Command1",
        .widgets = kWidgets,
        .handlers = kHandlers,
    };
    return definition;
}
