#include "sign_pictures.h"

#include <QBrush>
#include <QCoreApplication>
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

std::string_view fileOf(QStringView animal) {
    for (const SignPictureFile& picture : kSignPictureFiles) {
        if (animal ==
            QLatin1String(picture.animal.data(), static_cast<qsizetype>(picture.animal.size()))) {
            return picture.file;
        }
    }
    return {};
}

} // namespace

std::string_view signPictureFile(int position) {
    if (position < 1 || position > 12) {
        return {};
    }
    // The animals the twelve pictures draw. A translation keeps them, or
    // names the animal its readers know for a year, so that the picture shows
    // what the sign's translated name says.
    const QStringList animals =
        QCoreApplication::translate(
            "SignPicture", "rat ox tiger rabbit dragon snake horse goat monkey rooster dog pig",
            "The animals the twelve signs' pictures draw, in sign order, a blank between two. "
            "Keep them, or where the reader's tradition has another animal for a year put cat, "
            "water_buffalo or wild_boar in its place; a word of any other kind is ignored.")
            .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // A list that does not name twelve animals is a slip of the translation:
    // each sign then draws its own.
    const std::string_view drawn =
        animals.size() == 12 ? fileOf(animals.at(position - 1)) : std::string_view{};
    return drawn.empty() ? kSignPictureFiles[static_cast<std::size_t>(position - 1)].file : drawn;
}

QPixmap signPicture(int position, QSize logicalSize, qreal devicePixelRatio) {
    const std::string_view key = signPictureFile(position);
    if (key.empty() || logicalSize.isEmpty()) {
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
