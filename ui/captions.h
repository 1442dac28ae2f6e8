// The program's name as its windows and message boxes show it.
#pragma once

#include <QString>

namespace look {

// Every window's caption, in the user's language.
QString windowCaption();
// Caption of message boxes.
QString appTitle();

} // namespace look
