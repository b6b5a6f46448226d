#include "shell/assets.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QString pathOf(const char* name) {
    return QStringLiteral(":/assets/%1.svg").arg(QLatin1String(name));
}

// Parsed once; the renderers live as long as the program.
QSvgRenderer* renderer(const char* name) {
    static QHash<QString, QSvgRenderer*> cache;
    const QString path = pathOf(name);
    auto it = cache.find(path);
    if (it != cache.end()) return *it;
    QSvgRenderer* r = nullptr;
    if (QFile::exists(path)) {
        r = new QSvgRenderer(path);
        if (!r->isValid()) {
            delete r;
            r = nullptr;
        } else {
            r->setAspectRatioMode(Qt::IgnoreAspectRatio);
        }
    }
    cache.insert(path, r);
    return r;
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
