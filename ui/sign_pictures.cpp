#include "sign_pictures.h"

#include "window_look.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

QPixmap signPicture(int position) {
    if (position < 1 || position > static_cast<int>(kSignPictureKeys.size())) {
        return {};
    }
    look::ensureResources();
    const auto key = kSignPictureKeys[static_cast<std::size_t>(position - 1)];
    const QImage picture(QStringLiteral(":/signs/") +
                         QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
    if (picture.isNull()) {
        return {};
    }
    // The pictures are discs on white; JPEG has no transparency, so cut the
    // disc out and let whatever lies behind show around it.
    QPixmap disc(picture.size());
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addEllipse(QRectF(picture.rect()).adjusted(5.5, 5.5, -5.5, -5.5));
    painter.setClipPath(outline);
    painter.drawImage(0, 0, picture);
    return disc;
}
