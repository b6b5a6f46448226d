#include "shell/assets.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>
#include <unordered_map>

namespace {

QString pathOf(const char* name) {
    return QStringLiteral(":/assets/%1.svg").arg(QLatin1String(name));
}

// Parsed once; the renderers live as long as the program. A missing or broken picture is
// remembered as none.
QSvgRenderer* renderer(const char* name) {
    static std::unordered_map<QString, std::unique_ptr<QSvgRenderer>> cache;
    const QString path = pathOf(name);
    auto it = cache.find(path);
    if (it != cache.end()) return it->second.get();
    std::unique_ptr<QSvgRenderer> r;
    if (QFile::exists(path)) {
        r = std::make_unique<QSvgRenderer>(path);
        if (r->isValid())
            r->setAspectRatioMode(Qt::IgnoreAspectRatio);
        else
            r.reset();
    }
    return cache.emplace(path, std::move(r)).first->second.get();
}

}  // namespace

bool hasAsset(const char* name) {
    return name && renderer(name);
}

QSize assetSize(const char* name) {
    QSvgRenderer* r = name ? renderer(name) : nullptr;
    return r ? r->defaultSize() : QSize();
}

void paintAsset(QPainter& painter, const char* name, const QRectF& target) {
    if (QSvgRenderer* r = name ? renderer(name) : nullptr) r->render(&painter, target);
}

QPixmap assetPixmap(const char* name, QSize size, qreal devicePixelRatio) {
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
