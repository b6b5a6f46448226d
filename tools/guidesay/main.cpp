// Says one sentence with the guide's voice and tells when and how: for the speech test and the
// latency benchmark. Prints "said_at_us=..." (wall clock, microseconds) when it asks for the
// sentence, then "device=yes|no length_ms=..." once the voice knows the length, and exits when the
// sentence has been heard. Usage: guidesay [--warm-up MS] [TEXT]
#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>
#include <chrono>

#include "devices/espeak_voice.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int warmUpMs = 500;  // the program makes its voice at start-up, long before the first words
    if (args.size() >= 2 && args[0] == QLatin1String("--warm-up")) {
        warmUpMs = args[1].toInt();
        args = args.mid(2);
    }
    const QString text = args.isEmpty() ? QStringLiteral("Нажми мышкой на экран дисплея.")
                                        : args.join(QLatin1Char(' '));
    QTextStream out(stdout);
    EspeakVoice voice;
    QTimer::singleShot(warmUpMs, [&] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        out << "said_at_us=" << std::chrono::duration_cast<std::chrono::microseconds>(now).count()
            << Qt::endl;
        voice.say(text, [&](qint64 remainingMs) {
            out << "device=" << (voice.hasSoundDevice() ? "yes" : "no")
                << " remaining_ms=" << remainingMs << Qt::endl;
            QTimer::singleShot(int(remainingMs) + 200, &app, &QCoreApplication::quit);
        });
    });
    QTimer::singleShot(60'000, &app, [&] {
        out << "no length reported" << Qt::endl;
        QCoreApplication::exit(1);
    });
    return QCoreApplication::exec();
}
