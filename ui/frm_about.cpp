#include "frm_about.h"

#include "captions.h"
#include "colours.h"
#include "form.h"
#include "link_label.h"
#include "program_icon.h"
#include "window_frame.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

const char kProgramDescription[] = QT_TRANSLATE_NOOP(
    "frmAbout",
    "QY Amoret Chart or Yi Jing is a Chinese method of finding and activating your romance "
    "direction. This software gives you advice based on your romance direction. All rights to "
    "this software are held by the makers of QY Amoret Chart.");

const char kOffer[] = QT_TRANSLATE_NOOP(
    "frmAbout",
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website.");

// The box as designed, in pixels at 96 dpi (left, top, width, height). Every
// label paints its own fill in the window colour, so nothing drawn beneath it
// shows through. OK comes first in the tab order and takes the focus; the
// links follow it, for keyboard users.
form::Design design() {
    using namespace form;
    // clang-format off
    return {form::Unit::Pixels, {419, 219}, {
        {"cmdOK",       Kind::Button,  nullptr, {329, 192, 84, 23},              frmAbout::tr("OK"), 8.25, 0, form::kSystemColour, 0},
        {"picIcon",     Kind::Picture, nullptr, {6, 10, 32, 32},                 {}, 8.25, Opaque},
        {"Label2",      Kind::Label,   nullptr, {52, 10, form::kFitText, 0},     look::windowCaption(), 9.75, Bold | Opaque, look::kLinkBlue},
        {"Label1",      Kind::Label,   nullptr, {54, 34, 359, 57},               frmAbout::tr(kProgramDescription), 8.25, Wrap | Opaque, look::kDarkPurple},
        {"lblHomePage", Kind::Link,    nullptr, {143, 91, form::kFitText, 0},    frmAbout::tr("Click here to visit %1").arg(linkAddress(Link::HomePage)), 8.25, Underline | Opaque, look::kOliveGreen, 1},
        {"Label3",      Kind::Label,   nullptr, {5, 112, 408, 41},               frmAbout::tr(kOffer), 8.25, Bold | Wrap | Opaque, look::kLinkBlue},
        {"lblCoBrand",  Kind::Link,    nullptr, {256, 153, form::kFitText, 0},   frmAbout::tr("Click here for more details."), 8.25, Underline | Opaque, look::kOliveGreen, 2},
        {"Line2",       Kind::Line,    nullptr, {-4, 185, 476, 2},               {}},
    }};
    // clang-format on
}

// Right edge of the wrapping texts; nothing should run past it.
constexpr int kRightMargin = 413;

// The design's place suits a short home page address; a longer configured one
// would run off the box, so the link moves left just enough to show it whole.
void keepInside(QLabel* label, int right) {
    const int overflow = label->geometry().right() - right;
    if (overflow > 0) {
        label->move(std::max(0, label->x() - overflow), label->y());
    }
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    // A plain dialog frame with only the close box: no minimize or maximize.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    const form::Design box = design();
    QWidget* client = look::applyWindowLook(this, box.clientPixels());
    const form::Form controls(client, box);

    auto* cmdOK = controls.get<QPushButton>("cmdOK");
    auto* picIcon = controls.get<QLabel>("picIcon");
    auto* lblHomePage = controls.get<LinkLabel>("lblHomePage");

    cmdOK->setDefault(true);
    cmdOK->setFocus();
    // Escape already rejects the dialog; both simply close it.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    // Drawn at the screen's pixel density from the icon's larger sizes.
    picIcon->setPixmap(look::programIcon().pixmap(picIcon->size(), devicePixelRatioF()));
    picIcon->setAccessibleName(tr("QY Amoret Chart icon"));

    keepInside(lblHomePage, controls.pixels(kRightMargin));
    connect(lblHomePage, &LinkLabel::clicked, this, [this] { emit linkActivated(Link::HomePage); });
    // The details of the offer above are on the full-brand page.
    connect(controls.get<LinkLabel>("lblCoBrand"), &LinkLabel::clicked, this,
            [this] { emit linkActivated(Link::FullBrandPage); });

    look::centerWhenFirstShown(this);
}
