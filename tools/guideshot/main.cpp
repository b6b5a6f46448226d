// Draws the guide in every animation, a row of moments each, into one PNG for review.
// Usage: guideshot OUTPUT.png [FRAMES] [SCALE]
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

#include "media/guide_animations.h"
#include "media/guide_figure.h"

namespace {

struct Row {
    QString name;
    int durationMs;
    std::function<GuidePose(qint64)> pose;
};

std::vector<Row> rows() {
    std::vector<Row> all;
    for (const GuideAnimation& a : guideAnimations())
        all.push_back({QString::fromLatin1(a.name), a.durationMs,
                       [&a](qint64 ms) { return guidePoseAt(a, ms); }});
    all.push_back({"GestureAt left-up", 1400, [](qint64 ms) {
                       return guidePointing({-200, -120}, ms, 1400);
                   }});
    all.push_back({"GestureAt right-down", 1400, [](qint64 ms) {
                       return guidePointing({200, 90}, ms, 1400);
                   }});
    all.push_back({"MoveTo right", 2000, [](qint64 ms) {
                       return guideFlying({300, -40}, ms, 2000);
                   }});
    all.push_back({"Blink", 4000, [](qint64 ms) { return guideAlive({}, ms + 4000); }});
    return all;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        QTextStream(stderr) << "usage: guideshot OUTPUT.png [FRAMES] [SCALE]\n";
        return 2;
    }
    const int frames = args.size() > 1 ? args[1].toInt() : 6;
    const qreal scale = args.size() > 2 ? args[2].toDouble() : 1.0;
    const GuideFigure figure(scale);
    const QSize cell = GuideFigure::kFrame;
    const int label = 110;
    const std::vector<Row> all = rows();
    QImage sheet(QSize(label + cell.width() * frames, cell.height() * int(all.size())) * scale,
                 QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(scale);
    sheet.fill(QColor(0xf2, 0xee, 0xe4));
    QPainter p(&sheet);
    for (int r = 0; r < int(all.size()); ++r) {
        const Row& row = all[r];
        p.setPen(Qt::black);
        p.drawText(QRect(4, r * cell.height(), label - 8, cell.height()),
                   Qt::AlignVCenter | Qt::TextWordWrap, row.name);
        for (int f = 0; f < frames; ++f) {
            // Moments spread over the animation, the last one at its end.
            const qint64 ms = qint64(row.durationMs) * (f + 1) / (frames + 1);
            p.save();
            p.translate(label + f * cell.width(), r * cell.height());
            p.setPen(QColor(0xd0, 0xc8, 0xb8));
            p.drawRect(QRect(QPoint(0, 0), cell).adjusted(0, 0, -1, -1));
            figure.paint(p, row.pose(ms), ms);
            p.setPen(Qt::gray);
            p.drawText(QPoint(4, 12), QString::number(ms));
            p.restore();
        }
    }
    p.end();
    return sheet.save(args[0]) ? 0 : 1;
}
