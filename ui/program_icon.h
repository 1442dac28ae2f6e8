#pragma once

#include <QIcon>

namespace look {

// The program icon, in every size it ships.
QIcon programIcon();

} // namespace look
