#include "frm_main.h"

#include "form.h"
#include "frm_main_design.h"
#include "link_label.h"
#include "prompter.h"
#include "random_source.h"
#include "reading_computation.h"
#include "reading_texts.h"
#include "window_frame.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

// Month positions of April, June, September and November.
constexpr int kThirtyDayMonths[] = {3, 5, 8, 10};

} // namespace

Banner bannerFor(double r) {
    // To the nearest whole number, halves to the even neighbour.
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
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    const form::Design window = frmMainDesign();
    QWidget* client = look::applyWindowLook(this, window.clientPixels());
    const form::Form controls(client, window);

    ui_.txtName = controls.get<QLineEdit>("txtName");
    ui_.cboDate = controls.get<QComboBox>("cboDate");
    ui_.cboMonth = controls.get<QComboBox>("cboMonth");
    ui_.cboYear = controls.get<QComboBox>("cboYear");
    ui_.cmdProceed = controls.get<QPushButton>("cmdProceed");
    ui_.fraFullBrand = controls.get<BrandBanners>("fraFullBrand");
    // The captions name the fields for assistive technology, as they do on screen.
    controls.get<QLabel>("Label1_0")->setBuddy(ui_.txtName);
    controls.get<QLabel>("Label2")->setBuddy(ui_.cboDate);

    connect(ui_.cmdProceed, &QPushButton::clicked, this, &frmMain::cmdProceed_Click);
    connect(controls.get<LinkLabel>("Label14"), &LinkLabel::clicked, this,
            [this] { emit linkActivated(Link::HomePage); });
    connect(ui_.fraFullBrand, &BrandBanners::linkActivated, this, &frmMain::linkActivated);

    load();
    look::centerWhenFirstShown(this);
}

void frmMain::load() {
    QComboBox* cboDate = ui_.cboDate;
    QComboBox* cboMonth = ui_.cboMonth;
    QComboBox* cboYear = ui_.cboYear;
    cboDate->clear();
    for (int day = 1; day <= 31; ++day) {
        cboDate->addItem(QString::number(day));
    }
    // Shown in the user's language; the reading is given the English name.
    for (const auto month : engine::kMonthNames) {
        cboMonth->addItem(reading_texts::translated(month),
                          QString::fromLatin1(month.data(), static_cast<qsizetype>(month.size())));
    }
    for (int year = 1936; year <= 2008; ++year) {
        cboYear->addItem(QString::number(year));
    }
    // The lunar year table's dates are constants of the engine, checked when
    // it is compiled, so there is nothing to set up for them here.
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
    ui_.fraFullBrand->bringToFront(Banner::CoBrand);
    ui_.txtName->setFocus();
}

bool frmMain::ValidateDetails() {
    if (ui_.txtName->text().isEmpty()) {
        prompter_.inform(tr("Please Enter Your Name"));
        ui_.txtName->setFocus();
        return false;
    }

    const int dayPosition = ui_.cboDate->currentIndex();
    const int monthPosition = ui_.cboMonth->currentIndex();
    // Divisibility by 4 is the whole leap-year rule from 1936 to 2008.
    const bool leap = ui_.cboYear->currentText().toInt() % 4 == 0;
    const int firstBadFebruaryPosition = leap ? 29 : 28;
    if (monthPosition == 1 && dayPosition >= firstBadFebruaryPosition) {
        prompter_.inform(tr("Please Enter Correct Date Or Month!"));
        return false;
    }

    if (dayPosition == 30 && std::find(std::begin(kThirtyDayMonths), std::end(kThirtyDayMonths),
                                       monthPosition) != std::end(kThirtyDayMonths)) {
        prompter_.inform(tr("Please Enter Correct Date Or Month !"));
        return false;
    }
    return true;
}

void frmMain::cmdProceed_Click() {
    // While this runs, closing the window is the hand-over to the result
    // window, not the user leaving the program.
    proceedUnderWay_ = true;
    if (ValidateDetails()) {
        engine::ComputeReading(record_, ui_.txtName->text().toStdString(),
                               ui_.cboDate->currentText().toStdString(),
                               ui_.cboMonth->currentData().toString().toStdString(),
                               ui_.cboYear->currentText().toStdString());
        emit readingReady();
        close();
    }
    proceedUnderWay_ = false;
}

void frmMain::CoBrand_Randomize(RandomSource& random) {
    ui_.fraFullBrand->bringToFront(bannerFor(random.draw()));
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!proceedUnderWay_) {
        emit closedByUser();
    }
}
