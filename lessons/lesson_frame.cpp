#include "lessons/lesson_frame.h"

#include <QFile>
#include <QLocale>

#include "media/media_path.h"
#include "media/media_player.h"
#include "shell/clock.h"
#include "shell/program.h"

namespace frame {

void playSequence(MediaPlayer& player, const QString& file) {
    player.sendCommand(QStringLiteral("Close"));
    player.setMediaFile(file);
    player.sendCommand(QStringLiteral("Open"));
    player.sendCommand(QStringLiteral("Play"));
}

void silence(Screen& s) {
    s.form(ScreenId::Form1).player("MMControl1").sendCommand(QStringLiteral("Close"));
    s.form(ScreenId::Form6).player("MMControl3").sendCommand(QStringLiteral("Close"));
    playSequence(s.form(ScreenId::Form9).player("MMControl1"), QStringLiteral("\\evy\\13.wav"));
}

void showToday(Widget& label, const Clock& clock) {
    // The system's short form, in plain digits; where that form spells out a month or a day
    // (the C locale: "10 Dec 2026"), the Russian one.
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (format.contains(QLatin1String("MMM")) || format.contains(QLatin1String("ddd")))
        format = QStringLiteral("dd.MM.yyyy");
    label.show();
    label.setCaption(clock.wallTime().date().toString(format));
}

void showTextbook(Screen& s) {
    s["Command2"].disable();
    s["RichTextBox1"].show();
}

namespace {

// Opening, measuring and reading file number 1; closing it is QFile's destructor.
QByteArray readWhole(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) throw StepFailed{"cannot open"};
    const qint64 length = file.size();
    if (length > kMaxLessonTextBytes) throw StepFailed{"too large"};
    QByteArray text = file.read(length);
    if (text.size() != length) throw StepFailed{"short read"};
    return text;
}

}  // namespace

QString lessonTextOf(ScreenId screen) {
    for (const LessonText& text : kLessonTexts)
        if (text.screen == screen) return QString::fromLatin1(text.file);
    return {};
}

QByteArray readLessonText(const QString& file, const QString& workingDir) {
    try {
        return readWhole(resolveMediaPath(file, workingDir));
    } catch (const StepFailed&) {
        return {};
    }
}

void loadLessonText(Program& program, ScreenId screen, const QString& file) {
    QByteArray text;
    bool read = false;
    step([&] {
        text = readWhole(resolveMediaPath(file, program.workingDir()));
        read = true;
    });
    if (!read) return;
    step([&] { program.screen(screen)["RichTextBox1"].setRtfText(text); });
}

}  // namespace frame
