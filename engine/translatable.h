// Marks an engine text for the translation tools where it stands, in the
// context the windows translate it in. The engine knows no Qt: the mark is
// the text itself, and the tools are told to read it as Qt's own no-op mark
// (lupdate -tr-function-alias QT_TRANSLATE_NOOP+=ENGINE_TR_NOOP).
#pragma once

#define ENGINE_TR_NOOP(context, text) text
