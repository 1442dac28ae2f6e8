#include "sign_pictures.h"

#include "window_look.h"

#include <QString>

QPixmap signPicture(int position) {
    if (position < 1 || position > static_cast<int>(kSignPictureKeys.size())) {
        return {};
    }
    look::ensureResources();
    const auto key = kSignPictureKeys[static_cast<std::size_t>(position - 1)];
    return QPixmap(QStringLiteral(":/signs/") +
                   QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
}
