// What assistive technology is told about the program's own kinds of control
// where Qt's defaults say too little.
#pragma once

#include <QStringList>

#include <memory>
#include <vector>

class QAccessibleEvent;
class QComboBox;
class QPushButton;
class QWidget;

namespace accessibility {

// Registers, once, the descriptions of link labels (a link with a press
// action), of drop-down lists that carry a name of their own (announced by
// it and their entry shown, where Qt on Linux would announce only the entry),
// of frames that leave out what is concealed, and of a focus sink.
void install();

// Tells assistive technology of every change of a named list's entry: the
// new entry takes the accessibility focus in the drop-down, unless it was
// told already (chosen in the open list, found by first letters), and the
// list's description, which is the entry, changes. Orca speaks the focused
// entry; it ignores a drop-down list's name and value changes.
void announceEntryChanges(QComboBox* list);
// What it sends when the list's entry becomes the one at `index`.
std::vector<std::unique_ptr<QAccessibleEvent>> entryEvents(QComboBox* list, int index);

// Leaves a widget out of the children its frame lists to assistive
// technology, or brings it back: a control lying wholly behind another, a
// caption that is already said with its value.
void setConcealed(QWidget* widget, bool concealed);

// A button that only holds the focus, out of sight, so that Enter does
// nothing: to assistive technology it is no button and has no shortcut, but
// the text given, said when it takes the focus.
void presentFocusSinkAs(QPushButton* sink, const QString& text);

// Lines as spoken sentences: each ends with a full stop unless it ends in
// punctuation already, and they are joined with a space.
QString sentences(const QStringList& lines);

} // namespace accessibility
