#include "form.h"

#include "accessibility.h"
#include "brand_banners.h"
#include "colours.h"
#include "fonts.h"
#include "layout_scale.h"
#include "link_label.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace form {

namespace {

// Fifteen twips to the pixel at 96 dots per inch, rounded to the nearest pixel.
int unitPixels(int value, Unit unit) {
    if (unit == Unit::Pixels) {
        return value;
    }
    return (value >= 0 ? value + 7 : value - 7) / 15;
}

Qt::Alignment alignment(unsigned style) {
    Qt::Alignment align = (style & CenterH) ? Qt::AlignHCenter : Qt::AlignLeft;
    align |= (style & CenterV) ? Qt::AlignVCenter : Qt::AlignTop;
    return align;
}

QWidget* create(const Control& c, QWidget* parent) {
    switch (c.kind) {
    case Kind::Label:
        return new QLabel(c.text, parent);
    case Kind::Link:
        return new LinkLabel(c.text, parent);
    case Kind::GroupBox:
        return new QGroupBox(c.text, parent);
    case Kind::Frame: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        return frame;
    }
    case Kind::TextBox:
        return new QLineEdit(c.text, parent);
    case Kind::List:
        return new QComboBox(parent);
    case Kind::Button: {
        auto* button = new QPushButton(c.text, parent);
        // Enter presses the focused button, as buttons do on Windows.
        button->setAutoDefault(true);
        return button;
    }
    case Kind::Picture:
        return new QLabel(parent);
    case Kind::Banners:
        return new BrandBanners(parent);
    case Kind::Line: {
        auto* line = new QFrame(parent);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    }
    }
    return new QWidget(parent);
}

} // namespace

int toPixels(int value, Unit unit) {
    const qreal scale = look::layoutScale();
    const int pixels = unitPixels(value, unit);
    return scale == 1.0 ? pixels : static_cast<int>(std::lround(pixels * scale));
}

QRect toPixels(const QRect& rect, Unit unit) {
    const qreal scale = look::layoutScale();
    const int left = unitPixels(rect.x(), unit);
    const int top = unitPixels(rect.y(), unit);
    if (scale == 1.0) {
        const auto size = [unit](int extent) {
            return extent == kFitText ? kFitText : unitPixels(extent, unit);
        };
        return {left, top, size(rect.width()), size(rect.height())};
    }
    // Scaled by edges, not by sizes, so that controls designed edge to edge
    // stay edge to edge whatever the rounding.
    const auto edge = [scale](int designPixels) {
        return static_cast<int>(std::lround(designPixels * scale));
    };
    const auto size = [&](int origin, int extent) {
        return extent == kFitText ? kFitText
                                  : edge(origin + unitPixels(extent, unit)) - edge(origin);
    };
    return {edge(left), edge(top), size(left, rect.width()), size(top, rect.height())};
}

QSize Design::clientPixels() const {
    return toPixels(QRect(QPoint(), client), unit).size();
}

Form::Form(QWidget* client, const Design& design) : unit_(design.unit) {
    accessibility::install();
    std::vector<std::pair<int, QWidget*>> tabChain;
    for (const Control& c : design.controls) {
        QWidget* parent = c.parent ? widget(c.parent) : client;
        QWidget* w = add(c, parent);
        if (auto* banners = qobject_cast<BrandBanners*>(parent)) {
            banners->adopt(qobject_cast<LinkLabel*>(w));
        }
        if (c.tab >= 0) {
            tabChain.emplace_back(c.tab, w);
        }
        widgets_.emplace(c.name, w);
    }

    std::sort(tabChain.begin(), tabChain.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabChain.size(); ++i) {
        QWidget::setTabOrder(tabChain[i - 1].second, tabChain[i].second);
    }
}

QWidget* Form::add(const Control& c, QWidget* parent) const {
    QWidget* w = create(c, parent);
    if (c.name) {
        w->setObjectName(QLatin1String(c.name));
    }
    w->setFont(look::font(c.points, c.style & Bold, c.style & Underline));
    if (c.colour != kSystemColour) {
        look::setTextColor(w, c.colour);
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(alignment(c.style));
        label->setWordWrap(c.style & Wrap);
        label->setAutoFillBackground(c.style & Opaque);
    }
    if (!c.accessibleName.isEmpty()) {
        w->setAccessibleName(c.accessibleName);
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            accessibility::announceEntryChanges(list);
        }
    }

    QRect r = pixels(c.rect);
    if (c.kind == Kind::Picture) {
        // A picture keeps its proportions; only its corner follows the edges.
        r.setSize({pixels(c.rect.width()), pixels(c.rect.height())});
    }
    if (r.width() == kFitText) {
        w->move(r.topLeft());
        w->adjustSize();
    } else {
        w->setGeometry(r);
    }
    return w;
}

QWidget* Form::widget(std::string_view name) const {
    const auto found = widgets_.find(name);
    if (found == widgets_.end()) {
        misnamed(name, "is not in the design");
    }
    return found->second;
}

void misnamed(std::string_view name, const char* problem) {
    qFatal("The control %.*s %s", static_cast<int>(name.size()), name.data(), problem);
    std::abort();
}

} // namespace form
