// Which stored picture an image shows, found by its pixels alone and named by
// its file ("04_rabbit.jpg"), not through the program's list of pictures.
#pragma once

#include <QDir>
#include <QImage>
#include <QList>
#include <QString>

#include <cstdlib>
#include <limits>
#include <utility>

// The stored picture nearest to `shown` in grey, compared inside the disc
// where the animal is, clear of the cut edge.
inline QString storedPictureShowing(const QImage& shown) {
    const auto inner = [](const QImage& image) {
        return image.convertToFormat(QImage::Format_Grayscale8)
            .scaled(100, 100, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .copy(20, 20, 60, 60);
    };
    static const QList<std::pair<QString, QImage>> storedPictures = [&inner] {
        QList<std::pair<QString, QImage>> pictures;
        for (const QString& file : QDir(QStringLiteral(":/signs")).entryList(QDir::Files)) {
            pictures.append({file, inner(QImage(QStringLiteral(":/signs/") + file))});
        }
        return pictures;
    }();
    const QImage drawn = inner(shown);
    QString nearest;
    long best = std::numeric_limits<long>::max();
    for (const auto& [file, stored] : storedPictures) {
        long difference = 0;
        for (int y = 0; y < stored.height(); ++y) {
            const uchar* a = stored.constScanLine(y);
            const uchar* b = drawn.constScanLine(y);
            for (int x = 0; x < stored.width(); ++x) {
                difference += std::abs(int(a[x]) - int(b[x]));
            }
        }
        if (difference < best) {
            best = difference;
            nearest = file;
        }
    }
    return nearest;
}
