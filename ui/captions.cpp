#include "captions.h"

#include <QCoreApplication>

namespace look {

QString windowCaption() {
    return QCoreApplication::translate("look", "QY Amoret Chart v1.0");
}

QString appTitle() {
    return QCoreApplication::translate("look", "QY Amoret Chart");
}

} // namespace look
