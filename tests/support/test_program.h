#pragma once
// A Program as tests drive it: the real screens (or screens of the test's own) with a manual
// clock, media that keep time without sound, a guide that writes down what it is told and
// dialogs that answer as the test says. Everything observable goes into one journal, in order.
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <map>
#include <optional>
#include <ostream>

#include "media/guide.h"
#include "media/media_backend.h"
#include "shell/dialogs.h"
#include "shell/manual_clock.h"
#include "shell/program.h"
#include "tests/support/print_qt.h"

// Lines like "guide MoveTo 750 250", "Form1.MMControl2 Open 1.wav", "create Form4", "show Form4".
using Journal = QStringList;

class FakeGuide final : public Guide {
public:
    explicit FakeGuide(Journal& journal) : journal_(journal) {}
    void show() override { journal_ << QStringLiteral("guide Show"); }
    void hide() override { journal_ << QStringLiteral("guide Hide"); }
    void moveTo(int x, int y) override {
        journal_ << QStringLiteral("guide MoveTo %1 %2").arg(x).arg(y);
    }
    void gestureAt(int x, int y) override {
        journal_ << QStringLiteral("guide GestureAt %1 %2").arg(x).arg(y);
    }
    void play(const QString& name) override { journal_ << QStringLiteral("guide Play ") + name; }
    void speak(const QString& text) override { journal_ << QStringLiteral("guide Speak ") + text; }
    void stop() override { journal_ << QStringLiteral("guide Stop"); }

private:
    Journal& journal_;
};

// Opens every file that exists (and a disc when `discInDrive`); a medium lasts `durationMs`
// (per file name, or 1000 ms) on the manual clock.
class FakeMedia final : public MediaBackendFactory {
public:
    explicit FakeMedia(Clock& clock) : clock_(clock) {}
    std::unique_ptr<MediaBackend> open(const MediaSource& source) override;

    bool discInDrive = false;
    std::map<QString, int> durationMs;  // by the name the screen set
    int opened = 0;

private:
    Clock& clock_;
};

class FakeDialogs final : public Dialogs {
public:
    std::optional<QString> chooseOpenFile(const QString& fileName) override;
    std::optional<ColorValue> chooseColor(ColorValue initial) override;

    std::deque<std::optional<QString>> fileAnswers;  // nullopt: the child cancels
    std::deque<std::optional<ColorValue>> colorAnswers;
    QStringList fileDialogStarts;  // the file name each dialog started from
};

class TestProgram {
public:
    // With `mediaFolder`, the working directory holds a media folder EVY and the three bare sounds.
    explicit TestProgram(bool mediaFolder = true, const ScreenCatalog* catalog = nullptr);
    // Works in an existing folder (the bundled sample media, say) instead of a scratch one.
    explicit TestProgram(const QString& workingDir);

    Program& program() { return program_; }
    Screen& screen(ScreenId id) { return program_.screen(id); }
    Screen* existing(ScreenId id) { return program_.existing(id); }
    void start() { program_.start(); }

    // Fires an event as the view would and lets queued notifications through.
    void click(ScreenId id, const QString& widget, int index = -1);
    void mouseDown(ScreenId id, const QString& widget, int button, int x = 0, int y = 0);
    void mouseMove(ScreenId id, const QString& widget, int index = -1);
    void advance(qint64 ms);  // the clock, then queued notifications

    // Writes a file relative to the working directory (a media file, a lesson text).
    void writeFile(const QString& relativePath, const QByteArray& content);
    QString workingDir() const { return workingDir_; }

    // The journal from `from` on, and a way to start afresh.
    QStringList since(int from) const { return journal.mid(from); }
    int mark() const { return static_cast<int>(journal.size()); }

    Journal journal;
    ManualClock clock;
    FakeMedia media{clock};
    FakeGuide guide{journal};
    FakeDialogs dialogs;

private:
    void watch(Screen& screen);

    void journalProgram();

    QTemporaryDir dir_;
    QString workingDir_;
    Program program_;
};

// Lets queued signals (media notifications) arrive.
void processEvents();

// Whether `text` is `date` in plain digits: day, month and year (of four or two digits) in the
// order and with the separators of some short date form.
bool showsDate(const QString& text, const QDate& date);
