#include "design_floor_window.h"

#include "calendar_date.h"
#include "captions.h"
#include "frm_main_design.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <map>
#include <string_view>
#include <vector>

namespace {

QFont designFont(qreal points = 8.25, bool bold = false, bool underline = false) {
    // Verdana; where it is missing, its free cousin draws it, asked for by
    // name (a missing family costs a fallback search with every font).
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

// The design's twips at 15 to the pixel (96 dpi), to the nearest pixel, as
// the window has them unscaled.
int pixels(int value, form::Unit unit) {
    if (unit == form::Unit::Pixels) {
        return value;
    }
    return (value >= 0 ? value + 7 : value - 7) / 15;
}

QRect pixels(const QRect& rect, form::Unit unit) {
    return {pixels(rect.x(), unit), pixels(rect.y(), unit), pixels(rect.width(), unit),
            pixels(rect.height(), unit)};
}

// The lists are filled as the main window fills them, in English.
QStringList entries(std::string_view list) {
    QStringList entries;
    if (list == "cboDate") {
        for (int day = 1; day <= 31; ++day) {
            entries << QString::number(day);
        }
    } else if (list == "cboMonth") {
        for (const std::string_view month : engine::kMonthNames) {
            entries << QString::fromLatin1(month.data(), static_cast<qsizetype>(month.size()));
        }
    } else if (list == "cboYear") {
        for (int year = 1936; year <= 2008; ++year) {
            entries << QString::number(year);
        }
    }
    return entries;
}

// The plain Qt widget that draws each kind of control.
QWidget* create(const form::Control& c, QWidget* parent) {
    switch (c.kind) {
    case form::Kind::Label:
    case form::Kind::Link:
    case form::Kind::Picture:
        return new QLabel(c.text, parent);
    case form::Kind::GroupBox:
        return new QGroupBox(c.text, parent);
    case form::Kind::Frame:
    case form::Kind::Banners: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        return frame;
    }
    case form::Kind::TextBox:
        return new QLineEdit(c.text, parent);
    case form::Kind::List: {
        auto* list = new QComboBox(parent);
        list->addItems(entries(c.name));
        return list;
    }
    case form::Kind::Button: {
        auto* button = new QPushButton(c.text, parent);
        button->setAutoDefault(true);
        return button;
    }
    case form::Kind::Line: {
        auto* line = new QFrame(parent);
        line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        return line;
    }
    }
    return new QWidget(parent);
}

} // namespace

std::unique_ptr<QWidget> designFloorWindow() {
    const form::Design design = frmMainDesign();
    auto window = std::make_unique<QWidget>();
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window->setWindowTitle(look::windowCaption());
    window->setFont(designFont());
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setFixedSize(pixels(design.client.width(), design.unit),
                         pixels(design.client.height(), design.unit));

    std::map<std::string_view, QWidget*> named;
    std::vector<std::pair<int, QWidget*>> tabs;
    for (const form::Control& c : design.controls) {
        QWidget* parent = c.parent ? named.at(c.parent) : window.get();
        QWidget* w = create(c, parent);
        w->setObjectName(QLatin1String(c.name));
        w->setFont(designFont(c.points, c.style & form::Bold, c.style & form::Underline));
        if (c.colour != form::kSystemColour) {
            QPalette colours = w->palette();
            colours.setColor(QPalette::WindowText, QColor(c.colour));
            colours.setColor(QPalette::Text, QColor(c.colour));
            w->setPalette(colours);
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(((c.style & form::CenterH) ? Qt::AlignHCenter : Qt::AlignLeft) |
                                ((c.style & form::CenterV) ? Qt::AlignVCenter : Qt::AlignTop));
            label->setWordWrap(c.style & form::Wrap);
            label->setAutoFillBackground(c.style & form::Opaque);
        }
        if (c.kind == form::Kind::Link) {
            w->setCursor(Qt::PointingHandCursor);
            w->setFocusPolicy(Qt::TabFocus);
        }
        w->setGeometry(pixels(c.rect, design.unit));
        if (c.tab >= 0) {
            tabs.emplace_back(c.tab, w);
        }
        named.emplace(c.name, w);
    }
    // The banners share one place; the co-branding one lies in front, the
    // other is out of the tab order, as the main window first shows them.
    named.at("lblCobrand")->raise();
    named.at("lblFullBrand")->setFocusPolicy(Qt::NoFocus);
    qobject_cast<QLabel*>(named.at("Label1_0"))->setBuddy(named.at("txtName"));
    qobject_cast<QLabel*>(named.at("Label2"))->setBuddy(named.at("cboDate"));

    std::erase_if(tabs, [](const auto& tab) { return tab.second->focusPolicy() == Qt::NoFocus; });
    std::sort(tabs.begin(), tabs.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabs.size(); ++i) {
        QWidget::setTabOrder(tabs[i - 1].second, tabs[i].second);
    }
    tabs.front().second->setFocus();
    return window;
}
