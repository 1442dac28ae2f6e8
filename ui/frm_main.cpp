#include "frm_main.h"

#include "link_label.h"
#include "prompter.h"
#include "random_source.h"
#include "reading_computation.h"
#include "window_look.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

// The window as designed, in twips (left, top, width, height); controls in
// fraDetails and fraFullBrand are relative to their frame.
struct Twips {
    int left, top, width, height;
    QRect px() const {
        return {look::twips(left), look::twips(top), look::twips(width), look::twips(height)};
    }
};
constexpr Twips kClient{0, 0, 7590, 4650};
constexpr Twips kLabel14{1230, 0, 5130, 435};
constexpr Twips kIntro{488, 840, 6615, 435};
constexpr Twips kDetails{1645, 1860, 4300, 1695};
constexpr Twips kNameCaption{480, 360, 495, 195};
constexpr Twips kName{1050, 285, 3105, 345};
constexpr Twips kBirthCaption{105, 750, 870, 195};
constexpr Twips kDay{1050, 690, 645, 315};
constexpr Twips kMonth{1755, 690, 1305, 315};
constexpr Twips kYear{3120, 690, 1095, 315};
constexpr Twips kProceed{120, 1200, 4065, 375};
constexpr Twips kBannerFrame{-7, 3840, 7605, 800};
constexpr Twips kBanner{120, 120, 7425, 615};

QLabel* makeLabel(const QString& text, const Twips& where, QRgb color, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(look::font(8.25, bold));
    look::setTextColor(label, color);
    label->setGeometry(where.px());
    return label;
}

LinkLabel* makeLink(const QString& text, const Twips& where, QWidget* parent) {
    auto* label = new LinkLabel(text, look::kLinkBlue, true, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(where.px());
    return label;
}

// Month positions of April, June, September and November.
constexpr int kThirtyDayMonths[] = {3, 5, 8, 10};

} // namespace

Banner bannerFor(double r) {
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    switch (static_cast<int>(std::nearbyint(6.0 * r + 1.0))) {
    case 2:
    case 4:
    case 6:
        return Banner::FullBrand;
    case 1:
    case 3:
    case 5:
        return Banner::CoBrand;
    default:
        return Banner::Unchanged;
    }
}

frmMain::frmMain(engine::ReadingRecord& record, Prompter& prompter, QWidget* parent)
    : QWidget(parent), record_(record), prompter_(prompter) {
    setAttribute(Qt::WA_DeleteOnClose);
    look::applyWindowLook(this, kClient.px().size());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    Label14 = makeLink(texts::forumInvitation(), kLabel14, this);
    Label1[1] =
        makeLabel(QStringLiteral("Know more about your romance direction with the Chinese "
                                 "Amoret Chart. Enter your personal details to get started."),
                  kIntro, look::kDarkPurple, true, this);
    Label1[1]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1[1]->setWordWrap(true);

    fraDetails = new QGroupBox(QStringLiteral("Your Details Please"), this);
    fraDetails->setGeometry(kDetails.px());
    fraDetails->setFont(look::font(8.25, true));
    look::setTextColor(fraDetails, look::kPurple);

    Label1[0] =
        makeLabel(QStringLiteral("Name"), kNameCaption, look::kDarkPurple, false, fraDetails);
    txtName = new QLineEdit(fraDetails);
    txtName->setGeometry(kName.px());
    Label2 = makeLabel(QStringLiteral("Birth Date"), kBirthCaption, look::kDarkPurple, false,
                       fraDetails);
    cboDate = new QComboBox(fraDetails);
    cboDate->setGeometry(kDay.px());
    cboMonth = new QComboBox(fraDetails);
    cboMonth->setGeometry(kMonth.px());
    cboYear = new QComboBox(fraDetails);
    cboYear->setGeometry(kYear.px());
    for (QWidget* input : {static_cast<QWidget*>(txtName), static_cast<QWidget*>(cboDate),
                           static_cast<QWidget*>(cboMonth), static_cast<QWidget*>(cboYear)}) {
        input->setFont(look::font());
        look::setTextColor(input, qRgb(0, 0, 0));
    }
    cmdProceed = new QPushButton(QStringLiteral("&Get My Peach Blossom Reading"), fraDetails);
    cmdProceed->setGeometry(kProceed.px());
    cmdProceed->setFont(look::font(8.25, true));
    look::setTextColor(cmdProceed, qRgb(0, 0, 0));
    // Enter presses the focused button, as buttons do on Windows.
    cmdProceed->setAutoDefault(true);

    fraFullBrand = new QFrame(this);
    fraFullBrand->setFrameShape(QFrame::Box);
    fraFullBrand->setFrameShadow(QFrame::Sunken);
    fraFullBrand->setGeometry(kBannerFrame.px());
    lblFullBrand = makeLink(texts::kFullBrandBanner, kBanner, fraFullBrand);
    lblCobrand = makeLink(texts::kCoBrandBanner, kBanner, fraFullBrand);
    for (LinkLabel* banner : {lblFullBrand, lblCobrand}) {
        banner->setAlignment(Qt::AlignCenter);
        // Only the banner in front is seen, so it must hide the one behind.
        banner->setAutoFillBackground(true);
    }

    setTabOrder(txtName, cboDate);
    setTabOrder(cboDate, cboMonth);
    setTabOrder(cboMonth, cboYear);
    setTabOrder(cboYear, cmdProceed);

    connect(cmdProceed, &QPushButton::clicked, this, &frmMain::cmdProceed_Click);
    connect(Label14, &LinkLabel::clicked, this, [this] { emit linkActivated(Link::HomePage); });
    connect(lblCobrand, &LinkLabel::clicked, this,
            [this] { emit linkActivated(Link::CoBrandPage); });
    connect(lblFullBrand, &LinkLabel::clicked, this,
            [this] { emit linkActivated(Link::FullBrandPage); });

    const struct {
        QString name;
        QObject* object;
    } names[] = {
        {"Label14", Label14},       {"Label1_0", Label1[0]},        {"Label1_1", Label1[1]},
        {"fraDetails", fraDetails}, {"txtName", txtName},           {"Label2", Label2},
        {"cboDate", cboDate},       {"cboMonth", cboMonth},         {"cboYear", cboYear},
        {"cmdProceed", cmdProceed}, {"fraFullBrand", fraFullBrand}, {"lblFullBrand", lblFullBrand},
        {"lblCobrand", lblCobrand}};
    for (const auto& n : names) {
        n.object->setObjectName(n.name);
    }

    load();
    look::centerWhenFirstShown(this);
}

void frmMain::load() {
    cboDate->clear();
    for (int day = 1; day <= 31; ++day) {
        cboDate->addItem(QString::number(day));
    }
    for (const auto month : engine::kMonthNames) {
        cboMonth->addItem(QString::fromLatin1(month.data(), static_cast<qsizetype>(month.size())));
    }
    for (int year = 1936; year <= 2008; ++year) {
        cboYear->addItem(QString::number(year));
    }
    // The lunar year table's dates are constants of the engine, checked when
    // it is compiled, so there is nothing to set up for them here.
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
    lblCobrand->raise();
    txtName->setFocus();
}

bool frmMain::ValidateDetails() {
    if (txtName->text().isEmpty()) {
        prompter_.inform(QStringLiteral("Please Enter Your Name"));
        txtName->setFocus();
        return false;
    }

    const int dayPosition = cboDate->currentIndex();
    const int monthPosition = cboMonth->currentIndex();
    // Divisibility by 4 is the whole leap-year rule from 1936 to 2008.
    const bool leap = cboYear->currentText().toInt() % 4 == 0;
    const int firstBadFebruaryPosition = leap ? 29 : 28;
    if (monthPosition == 1 && dayPosition >= firstBadFebruaryPosition) {
        prompter_.inform(QStringLiteral("Please Enter Correct Date Or Month!"));
        return false;
    }

    if (dayPosition == 30 && std::find(std::begin(kThirtyDayMonths), std::end(kThirtyDayMonths),
                                       monthPosition) != std::end(kThirtyDayMonths)) {
        prompter_.inform(QStringLiteral("Please Enter Correct Date Or Month !"));
        return false;
    }
    return true;
}

void frmMain::cmdProceed_Click() {
    // While this runs, closing the window is the hand-over to the result
    // window, not the user leaving the program.
    proceedUnderWay_ = true;
    if (ValidateDetails()) {
        engine::ComputeReading(
            record_, txtName->text().toStdString(), cboDate->currentText().toStdString(),
            cboMonth->currentText().toStdString(), cboYear->currentText().toStdString());
        emit readingReady();
        close();
    }
    proceedUnderWay_ = false;
}

void frmMain::CoBrand_Randomize(RandomSource& random) {
    switch (bannerFor(random.draw())) {
    case Banner::FullBrand:
        lblFullBrand->raise();
        break;
    case Banner::CoBrand:
        lblCobrand->raise();
        break;
    case Banner::Unchanged:
        break;
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!proceedUnderWay_) {
        emit closedByUser();
    }
}
