#include "tests/support/test_program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "media/media_player.h"
#include "shell/screens.h"

namespace {

class FakeBackend final : public MediaBackend {
public:
    FakeBackend(Clock& clock, int durationMs)
        : clock_(clock), durationMs_(durationMs), remaining_(durationMs) {}
    ~FakeBackend() override { pause(); }

    void play() override {
        if (timer_ || remaining_ <= 0) return;
        startedAt_ = clock_.nowMs();
        timer_ = clock_.start(static_cast<int>(remaining_), false, [this] {
            timer_ = 0;
            remaining_ = 0;
            if (onFinished) onFinished();
        });
    }
    void pause() override {
        if (!timer_) return;
        clock_.cancel(timer_);
        timer_ = 0;
        remaining_ -= clock_.nowMs() - startedAt_;
    }
    void next() override {
        pause();
        remaining_ = 0;
    }
    void previous() override {
        const bool playing = isPlaying();
        pause();
        remaining_ = durationMs_;
        if (playing) play();
    }
    bool atEnd() const override { return remaining_ <= 0; }
    bool isPlaying() const override { return timer_ != 0; }

private:
    Clock& clock_;
    qint64 durationMs_;
    qint64 remaining_;
    qint64 startedAt_ = 0;
    Clock::TimerId timer_ = 0;
};

}  // namespace

std::unique_ptr<MediaBackend> FakeMedia::open(const MediaSource& source) {
    if (source.cdAudio ? !discInDrive : source.path.isEmpty() || !QFileInfo(source.path).isFile())
        return nullptr;
    ++opened;
    const auto it = durationMs.find(source.name);
    return std::make_unique<FakeBackend>(clock_, it == durationMs.end() ? 1000 : it->second);
}

std::optional<QString> FakeDialogs::chooseOpenFile(const QString& fileName) {
    fileDialogStarts << fileName;
    if (fileAnswers.empty()) return std::nullopt;
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<ColorValue> FakeDialogs::chooseColor(ColorValue) {
    if (colorAnswers.empty()) return std::nullopt;
    auto answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

TestProgram::TestProgram(bool mediaFolder, const ScreenCatalog* catalog)
    : workingDir_(dir_.path()),
      program_(catalog ? *catalog : screenCatalog(),
               Services{clock, media, guide, dialogs, workingDir_}) {
    if (mediaFolder) {
        for (const char* name :
             {"EVY/1.mid", "EVY/2.mid", "EVY/8.mid", "EVY/4.mid", "EVY/13.wav", "EVY/5.wav",
              "EVY/12.wav", "EVY/15.wav", "EVY/3.wav", "EVY/4.wav", "EVY/9.wav", "EVY/10.wav",
              "EVY/8.wav", "EVY/7.wav", "EVY/1.avi", "1.wav", "2.wav", "11.wav"})
            writeFile(QString::fromLatin1(name), QByteArrayLiteral("media"));
        for (const char* name : {"v", "d", "1", "2", "3", "4", "5", "p"})
            writeFile(QStringLiteral("EVY/%1.vrk").arg(QLatin1String(name)),
                      QByteArrayLiteral("{\\rtf1\\ansi lesson ") + name + "}");
    }
    journalProgram();
}

TestProgram::TestProgram(const QString& workingDir)
    : workingDir_(workingDir),
      program_(screenCatalog(), Services{clock, media, guide, dialogs, workingDir_}) {
    journalProgram();
}

void TestProgram::journalProgram() {
    QObject::connect(&program_, &Program::screenCreated, [this](Screen& s) {
        journal << QStringLiteral("create ") + s.name();
        watch(s);
    });
    QObject::connect(&program_, &Program::screenShown,
                     [this](ScreenId id) { journal << QStringLiteral("show ") + nameOf(id); });
    QObject::connect(&program_, &Program::screenHidden,
                     [this](ScreenId id) { journal << QStringLiteral("hide ") + nameOf(id); });
    QObject::connect(&program_, &Program::screenUnloaded,
                     [this](ScreenId id) { journal << QStringLiteral("unload ") + nameOf(id); });
    QObject::connect(&program_, &Program::ended, [this] { journal << QStringLiteral("end"); });
}

void TestProgram::watch(Screen& s) {
    for (const auto& widget : s.widgets()) {
        const QString prefix = s.name() + QLatin1Char('.') + widget->name() + QLatin1Char(' ');
        if (widget->kind() == WidgetKind::MediaPlayer) {
            MediaPlayer* player = &widget->player();
            QObject::connect(player, &MediaPlayer::commandReceived,
                             [this, prefix, player](const QString& c) {
                                 journal << prefix + c +
                                                (c == QLatin1String("Open")
                                                     ? QLatin1Char(' ') + player->currentMediaFile()
                                                     : QString());
                             });
        }
        if (widget->kind() == WidgetKind::TextbookViewer) {
            // Only a new document counts: showing or hiding the viewer keeps its text.
            Widget* viewer = widget.get();
            QObject::connect(
                &s, &Screen::widgetChanged,
                [this, prefix, viewer, shown = viewer->rtfText()](int slot) mutable {
                    if (slot != viewer->slot() || viewer->rtfText().isSharedWith(shown)) return;
                    shown = viewer->rtfText();
                    journal << prefix + QStringLiteral("text");
                });
        }
    }
    QObject::connect(&s, &Screen::windowChanged, [this, &s, last = s.mousePointer()]() mutable {
        if (s.mousePointer() == last) return;
        last = s.mousePointer();
        journal << s.name() + QStringLiteral(" MousePointer %1").arg(last);
    });
}

void TestProgram::click(ScreenId id, const QString& widget, int index) {
    program_.fire(id, widget, index, Event::Click);
    processEvents();
}

void TestProgram::mouseDown(ScreenId id, const QString& widget, int button, int x, int y) {
    program_.fire(id, widget, -1, Event::MouseDown, EventArgs{.button = button, .x = x, .y = y});
    processEvents();
}

void TestProgram::mouseMove(ScreenId id, const QString& widget, int index) {
    program_.fire(id, widget, index, Event::MouseMove);
    processEvents();
}

void TestProgram::advance(qint64 ms) {
    clock.advance(ms);
    processEvents();
}

void TestProgram::writeFile(const QString& relativePath, const QByteArray& content) {
    const QString path = QDir(workingDir_).filePath(relativePath);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(content);
}

void processEvents() {
    QCoreApplication::processEvents();
}

bool showsDate(const QString& text, const QDate& date) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^(\\d+)[./-](\\d+)[./-](\\d+)$")).match(text);
    if (!m.hasMatch()) return false;
    QList<int> parts{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
    std::sort(parts.begin(), parts.end());
    for (const int year : {date.year(), date.year() % 100}) {
        QList<int> wanted{date.day(), date.month(), year};
        std::sort(wanted.begin(), wanted.end());
        if (parts == wanted) return true;
    }
    return false;
}
