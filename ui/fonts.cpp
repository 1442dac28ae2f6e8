#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace look {

void installFontSubstitutes() {
    // Linux desktops rarely carry Verdana; DejaVu Sans is its closest free cousin.
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

// Verdana where the system has it, else its substitute by name. The face
// drawn is the same either way, but a family the font database lacks sends
// every new font through fontconfig's fallback rules first, which makes
// finding it more than half as dear again.
static QString baseFamily() {
    static const QString family = [] {
        const QString verdana = QStringLiteral("Verdana");
        return QFontDatabase::families().contains(verdana, Qt::CaseInsensitive)
                   ? verdana
                   : QFont::substitute(verdana);
    }();
    return family;
}

QFont font(qreal pointSize, bool bold, bool underline) {
    QFont f(baseFamily());
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

} // namespace look
