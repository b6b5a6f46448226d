// The pictures as the views get them: the build's own renderings must be exactly what drawing the
// picture afresh gives, and any other size or pixel ratio is drawn, not stretched from them.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "shell/assets.h"

namespace {

QImage drawnAfresh(const QString& path, QSize size) {
    QSvgRenderer renderer(path);
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QImage shown(const QByteArray& name, QSize size, qreal ratio = 1.0) {
    return assetPixmap(name.constData(), size, ratio)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST(Assets, EveryPictureAtItsOwnSizeIsTheBuildsRenderingAndEqualsDrawingItAfresh) {
    const QStringList svgs = QDir(QStringLiteral(":/assets")).entryList({QStringLiteral("*.svg")});
    ASSERT_GT(svgs.size(), 40);
    for (const QString& file : svgs) {
        SCOPED_TRACE(file.toStdString());
        const QByteArray name = file.chopped(4).toLatin1();
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/assets/baked/%1.argb").arg(file.chopped(4))));
        const QSize size = assetSize(name.constData());
        EXPECT_EQ(size, QSvgRenderer(":/assets/" + file).defaultSize());
        EXPECT_TRUE(shown(name, size) == drawnAfresh(":/assets/" + file, size));
    }
}

TEST(Assets, OtherSizesAndPixelRatiosAreDrawnFromThePicture) {
    const QByteArray name = "form1_image1";  // lettering that a stretched copy would blur
    const QSize own = assetSize(name.constData());
    for (const QSize size : {own / 2, own + QSize(1, 0), QSize(32, 32)}) {
        SCOPED_TRACE(size.width());
        EXPECT_TRUE(shown(name, size) == drawnAfresh(":/assets/form1_image1.svg", size));
    }
    const QPixmap sharp = assetPixmap(name.constData(), own, 2.0);
    EXPECT_EQ(sharp.size(), own * 2);
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_TRUE(sharp.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                drawnAfresh(":/assets/form1_image1.svg", own * 2));
}

TEST(Assets, AMissingPictureIsNoneAndDrawsNothing) {
    EXPECT_FALSE(hasAsset("no_such_picture"));
    EXPECT_FALSE(hasAsset(nullptr));
    EXPECT_TRUE(assetSize("no_such_picture").isEmpty());
    const QImage blank = shown("no_such_picture", QSize(8, 8));
    EXPECT_EQ(blank.pixel(4, 4), 0u);
}

}  // namespace
