#include "frm_about.h"

#include "link_label.h"
#include "window_look.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

const QString kProgramDescription = QStringLiteral(
    "QY Amoret Chart or Yi Jing is a Chinese method of finding and activating your romance "
    "direction. This software gives you advice based on your romance direction. All rights to "
    "this software are held by the makers of QY Amoret Chart.");

const QString kOffer = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website.");

// Every label paints its own fill in the window colour (the palette it
// inherits), so nothing drawn beneath it shows through.
void fillOpaque(QLabel* label) {
    label->setAutoFillBackground(true);
}

QLabel* plainLabel(const QString& text, const QFont& font, QRgb color, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    look::setTextColor(label, color);
    fillOpaque(label);
    return label;
}

// A fixed box whose text wraps from its top left corner, cut at its lower edge.
void placeWrapping(QLabel* label, const QRect& rect) {
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(rect);
}

void placeSizedToText(QLabel* label, const QPoint& topLeft) {
    label->move(topLeft);
    label->adjustSize();
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
    look::applyWindowLook(this, QSize(419, 219));
    setWindowIcon(look::programIcon());

    // Created first so that it is first in the tab order and takes the focus.
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(329, 192, 84, 23);
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    // Escape already rejects the dialog; both simply close it.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(6, 10, 32, 32);
    picIcon->setPixmap(look::programIcon().pixmap(32, 32));
    fillOpaque(picIcon);

    Label2 = plainLabel(look::kWindowCaption, look::font(9.75, true), look::kLinkBlue, this);
    Label2->setObjectName(QStringLiteral("Label2"));
    placeSizedToText(Label2, QPoint(52, 10));

    Label1 = plainLabel(kProgramDescription, look::font(), look::kDarkPurple, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    placeWrapping(Label1, QRect(54, 34, 359, 57));

    lblHomePage =
        new LinkLabel(QStringLiteral("Click here to visit ") + linkAddress(Link::HomePage),
                      look::kOliveGreen, false, this);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    fillOpaque(lblHomePage);
    placeSizedToText(lblHomePage, QPoint(143, 91));
    keepInside(lblHomePage, kRightMargin);
    connect(lblHomePage, &LinkLabel::clicked, this, [this] { emit linkActivated(Link::HomePage); });

    Label3 = plainLabel(kOffer, look::font(8.25, true), look::kLinkBlue, this);
    Label3->setObjectName(QStringLiteral("Label3"));
    placeWrapping(Label3, QRect(5, 112, 408, 41));

    // The details of the offer above are on the full-brand page.
    lblCoBrand = new LinkLabel(QStringLiteral("Click here for more details."), look::kOliveGreen,
                               false, this);
    lblCoBrand->setObjectName(QStringLiteral("lblCoBrand"));
    fillOpaque(lblCoBrand);
    placeSizedToText(lblCoBrand, QPoint(256, 153));
    connect(lblCoBrand, &LinkLabel::clicked, this,
            [this] { emit linkActivated(Link::FullBrandPage); });

    Line2 = new QFrame(this);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setFrameShape(QFrame::HLine);
    Line2->setFrameShadow(QFrame::Sunken);
    Line2->setGeometry(-4, 185, 476, 2);

    look::centerWhenFirstShown(this);
}
