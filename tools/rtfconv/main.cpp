// Converts an RTF document with the program's own reader, to look at it or compare it:
//   rtfconv [--text | --html | --png] [--width PIXELS] INPUT [OUTPUT]
// Text and HTML go to standard output without OUTPUT; a PNG needs OUTPUT. The PNG shows the
// document as the textbook viewer lays it out, at the viewer's width unless told otherwise.
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "lessons/rtf/rtf_reader.h"

namespace {

constexpr int kViewerWidth = 381;  // the viewer's 385 pixels less its sunken border

int usage() {
    std::fputs("usage: rtfconv [--text | --html | --png] [--width PIXELS] INPUT [OUTPUT]\n",
               stderr);
    return 2;
}

// Pictures are resources of the document: HTML carries them inline.
QString htmlWithPictures(const QTextDocument& doc) {
    QString html = doc.toHtml();
    static const QRegularExpression src(QStringLiteral("src=\"(rtf-picture:\\d+)\""));
    QString out;
    qsizetype last = 0;
    for (auto it = src.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QImage image =
            doc.resource(QTextDocument::ImageResource, QUrl(m.captured(1))).value<QImage>();
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        out += QStringView(html).sliced(last, m.capturedStart() - last);
        out += QStringLiteral("src=\"data:image/png;base64,") +
               QString::fromLatin1(png.toBase64()) + u'"';
        last = m.capturedEnd();
    }
    return out.append(QStringView(html).sliced(last));
}

QImage picture(QTextDocument& doc, int width) {
    doc.setDocumentMargin(2);
    doc.setTextWidth(width);
    const QSize size(width, std::max(1, static_cast<int>(doc.size().height() + 0.5)));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    doc.drawContents(&painter);
    return image;
}

bool write(const QString& path, const QByteArray& data) {
    if (path.isEmpty())
        return std::fwrite(data.constData(), 1, data.size(), stdout) ==
               static_cast<size_t>(data.size());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

}  // namespace

int main(int argc, char** argv) {
    QString mode = QStringLiteral("--text");
    int width = kViewerWidth;
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == u"--text" || a == u"--html" || a == u"--png")
            mode = a;
        else if (a == u"--width" && i + 1 < argc)
            width = std::clamp(atoi(argv[++i]), 256,
                               10000);  // the reader's height bound holds from 256
        else if (a.startsWith(u"--"))
            return usage();
        else
            files << a;
    }
    if (files.isEmpty() || files.size() > 2 || (mode == u"--png" && files.size() < 2))
        return usage();
    // Only drawing needs fonts and a platform; reading and HTML start faster without them.
    if (mode == u"--png" && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app(
        mode == u"--png" ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv));
    QFile in(files.at(0));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "rtfconv: cannot read %s\n", qPrintable(files.at(0)));
        return 1;
    }
    const QByteArray rtf = in.readAll();
    const auto doc = rtf::toDocument(rtf);
    const QString out = files.value(1);
    bool ok = false;
    if (mode == u"--png") {
        ok = picture(*doc, width).save(out, "PNG");
    } else {
        const QString text =
            mode == u"--html" ? htmlWithPictures(*doc) : doc->toPlainText() + u'\n';
        ok = write(out, text.toUtf8());
    }
    if (!ok) std::fprintf(stderr, "rtfconv: cannot write %s\n", qPrintable(out));
    return ok ? 0 : 1;
}
