// A window as data: each window lists its controls in one table in its own
// source file (name, kind, rectangle, text, font, colour, tab position), and
// Form builds the widgets from it. A reader can hold the table against the
// design line by line, and the layout scale is applied in one place.
#pragma once

#include <QObject>
#include <QRect>
#include <QRgb>
#include <QString>

#include <initializer_list>
#include <map>
#include <string_view>
#include <vector>

class QWidget;

namespace form {

// The unit a window was designed in.
enum class Unit { Twips, Pixels };

enum class Kind {
    Label,    // plain text
    Link,     // LinkLabel: opens a page
    GroupBox, // a frame with a caption
    Frame,    // a frame without caption
    TextBox,
    List, // drop-down list that accepts only its entries
    Button,
    Picture, // a picture without a border
    Line,    // a sunken horizontal rule
    Banners, // BrandBanners: a frame whose two link rows share one place
};

// A width of kFitText sizes the control to its text (at its left and top).
inline constexpr int kFitText = -1;

enum Style : unsigned {
    Regular = 0,
    Bold = 1u << 0,
    Underline = 1u << 1,
    CenterH = 1u << 2, // the text is centred across the control
    CenterV = 1u << 3, // ... and down it
    Wrap = 1u << 4,    // wraps at word breaks; what does not fit is cut at the lower edge
    Opaque = 1u << 5,  // paints its own fill in the window colour
};

// No colour of its own: the system's text colour.
inline constexpr QRgb kSystemColour = 0;

struct Control {
    const char* name; // the design's name; also the widget's object name
    Kind kind;
    const char* parent; // the enclosing frame's name; nullptr for the window itself
    QRect rect;         // in the window's unit, relative to the parent
    QString text;
    qreal points = 8.25;
    unsigned style = Regular;
    QRgb colour = kSystemColour;
    int tab = -1; // position in the tab order; -1: not in it
    // What assistive technology announces where the visible text does not say it.
    QString accessibleName = {};
};

struct Design {
    Unit unit;
    QSize client; // the client area, in the window's unit
    std::vector<Control> controls;

    // The client area in layout pixels.
    QSize clientPixels() const;
};

// The design unit in layout pixels, scaled with the base font (look::layoutScale).
int toPixels(int value, Unit unit);
QRect toPixels(const QRect& rect, Unit unit);

class Form {
public:
    // Creates every control of the design on `client`, in table order (later
    // rows lie on top), and chains the tab order.
    Form(QWidget* client, const Design& design);

    // Builds one more control the way the table's are built, on `parent`, for
    // controls a window makes from data of its own (a reading's rows). Its
    // object name is the caller's to give; the form does not look it up.
    QWidget* add(const Control& control, QWidget* parent) const;

    // The control of that design name. A name the table lacks, or a control
    // of another kind, is a programming error: it ends the program in every
    // build, so any test that builds the window finds it.
    QWidget* widget(std::string_view name) const;
    template <class T> T* get(std::string_view name) const;

    QRect pixels(const QRect& designRect) const { return toPixels(designRect, unit_); }
    int pixels(int designValue) const { return toPixels(designValue, unit_); }

private:
    Unit unit_;
    std::map<std::string_view, QWidget*> widgets_;
};

[[noreturn]] void misnamed(std::string_view name, const char* problem);

template <class T> T* Form::get(std::string_view name) const {
    T* control = qobject_cast<T*>(widget(name));
    if (!control) {
        misnamed(name, "is of another kind");
    }
    return control;
}

} // namespace form
