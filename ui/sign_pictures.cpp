#include "sign_pictures.h"

#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Past this many device pixels a side only costs memory: the source has 400.
// It also keeps an absurd request from allocating gigabytes.
constexpr int kMaxDeviceSide = 2048;

// The pictures are discs on white, the disc 5 px in from each edge at 200 px.
// The cut sits half a pixel further in, so no white fringe from the JPEG's
// soft edge shows around the disc.
constexpr qreal kDiscInsetPerSide = 5.5 / kSignPictureDesignSide;

} // namespace

QPixmap signPicture(int position, QSize logicalSize, qreal devicePixelRatio) {
    if (position < 1 || position > static_cast<int>(kSignPictureKeys.size()) ||
        logicalSize.isEmpty()) {
        return {};
    }
    if (!std::isfinite(devicePixelRatio) || devicePixelRatio <= 0) {
        devicePixelRatio = 1.0;
    }
    // The device size, capped; the ratio then carries the rest, so the
    // logical size still comes out as asked.
    const qreal longestSide =
        std::max(logicalSize.width(), logicalSize.height()) * devicePixelRatio;
    if (longestSide > kMaxDeviceSide) {
        devicePixelRatio *= kMaxDeviceSide / longestSide;
    }
    const QSize deviceSize(std::max(1, qRound(logicalSize.width() * devicePixelRatio)),
                           std::max(1, qRound(logicalSize.height() * devicePixelRatio)));

    const auto key = kSignPictureKeys[static_cast<std::size_t>(position - 1)];
    // Named as JPEG: left to guess, the reader would load every image plugin.
    const QImage source(QStringLiteral(":/signs/") +
                            QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())),
                        "JPG");
    if (source.isNull()) {
        return {};
    }
    const int side = std::min(deviceSize.width(), deviceSize.height());
    const QImage scaled =
        source.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    // JPEG has no transparency, so cut the disc out and let whatever lies
    // behind show around it. Filling an anti-aliased ellipse with the picture
    // as its brush gives a smooth edge, which a clip path would not.
    QImage disc(deviceSize, QImage::Format_ARGB32_Premultiplied);
    disc.fill(Qt::transparent);
    const QPointF origin((deviceSize.width() - side) / 2.0, (deviceSize.height() - side) / 2.0);
    const qreal inset = side * kDiscInsetPerSide;
    {
        QPainter painter(&disc);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        QBrush brush(scaled);
        brush.setTransform(QTransform::fromTranslate(origin.x(), origin.y()));
        painter.setBrush(brush);
        painter.drawEllipse(
            QRectF(origin, QSizeF(side, side)).adjusted(inset, inset, -inset, -inset));
    }
    QPixmap picture = QPixmap::fromImage(std::move(disc));
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}
