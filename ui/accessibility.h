// What assistive technology is told about the program's own kinds of control
// where Qt's defaults say too little.
#pragma once

namespace accessibility {

// Registers, once, the descriptions of link labels (a link with a press
// action) and of drop-down lists that carry a name of their own (announced
// by it, where Qt on Linux would announce only the current entry).
void install();

} // namespace accessibility
