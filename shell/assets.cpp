#include "shell/assets.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <utility>

namespace {

QString pathOf(const char* name) {
    return QStringLiteral(":/assets/%1.svg").arg(QLatin1String(name));
}

QString bakedPathOf(const char* name) {
    return QStringLiteral(":/assets/baked/%1.argb").arg(QLatin1String(name));
}

// The build's rendering at the picture's own size: two little-endian words for width and height,
// then premultiplied ARGB32 rows. Null when there is none or it does not add up.
QImage bakedImage(const char* name) {
    QResource resource(bakedPathOf(name));
    if (!resource.isValid()) return {};
    const QByteArray data = resource.uncompressedData();
    if (data.size() < 8) return {};
    const auto word = [&](int at) {
        quint32 value = 0;
        for (int i = 3; i >= 0; --i) value = value << 8 | uchar(data.at(at + i));
        return value;
    };
    const quint32 width = word(0), height = word(4);
    if (width == 0 || height == 0 || width > 8192 || height > 8192 ||
        qsizetype(8 + qint64(width) * height * 4) != data.size())
        return {};
    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), data.constData() + 8 + qsizetype(y) * width * 4, width * 4);
    return image;
}

// A picture as the program knows it: its size, and its drawing, parsed only when it is drawn at a
// size other than its own (the build renders every picture at its own size beforehand).
struct Asset {
    QString path;
    QSize size;
    bool baked = false;
    QImage unused;  // the build's rendering, read to learn the size, until its first use
    std::unique_ptr<QSvgRenderer> renderer;

    QSvgRenderer* drawing() {
        if (!renderer) {
            renderer = std::make_unique<QSvgRenderer>(path);
            renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
        }
        return renderer.get();
    }
};

// Looked up once; the pictures live as long as the program. A missing or broken picture is
// remembered as none.
Asset* asset(const char* name) {
    static std::unordered_map<QString, std::unique_ptr<Asset>> cache;
    if (!name) return nullptr;
    const QString path = pathOf(name);
    auto it = cache.find(path);
    if (it != cache.end()) return it->second.get();
    std::unique_ptr<Asset> a;
    if (QFile::exists(path)) {
        a = std::make_unique<Asset>();
        a->path = path;
        if (QImage baked = bakedImage(name); !baked.isNull()) {
            a->size = baked.size();
            a->baked = true;
            a->unused = std::move(baked);
        } else if (a->drawing()->isValid()) {
            a->size = a->drawing()->defaultSize();
        } else {
            a.reset();
        }
    }
    return cache.emplace(path, std::move(a)).first->second.get();
}

}  // namespace

bool hasAsset(const char* name) {
    return asset(name) != nullptr;
}

QSize assetSize(const char* name) {
    const Asset* a = asset(name);
    return a ? a->size : QSize();
}

void paintAsset(QPainter& painter, const char* name, const QRectF& target) {
    if (Asset* a = asset(name)) a->drawing()->render(&painter, target);
}

QPixmap assetPixmap(const char* name, QSize size, qreal devicePixelRatio) {
    if (Asset* a = asset(name); a && a->baked && size == a->size && devicePixelRatio == 1.0)
        return QPixmap::fromImage(a->unused.isNull() ? bakedImage(name)
                                                     : std::exchange(a->unused, {}));
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paintAsset(painter, name, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QCursor assetCursor(const char* name) {
    if (!hasAsset(name)) return QCursor(Qt::ArrowCursor);
    return QCursor(assetPixmap(name, QSize(32, 32)), 16, 16);
}

QIcon assetIcon(const char* name) {
    QIcon icon;
    if (!hasAsset(name)) return icon;
    for (int side : {16, 32, 48, 64}) icon.addPixmap(assetPixmap(name, QSize(side, side)));
    return icon;
}
