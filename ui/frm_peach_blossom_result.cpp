#include "frm_peach_blossom_result.h"

#include "accessibility.h"
#include "brand_banners.h"
#include "colours.h"
#include "form.h"
#include "frm_about.h"
#include "link_label.h"
#include "lunar_year_table.h"
#include "printer_chooser.h"
#include "reading_print.h"
#include "reading_record.h"
#include "reading_texts.h"
#include "result_rows.h"
#include "sign_pictures.h"
#include "window_frame.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPagedPaintDevice>
#include <QPushButton>

#include <algorithm>
#include <string>

namespace {

// The window as designed, in pixels at 96 dpi (left, top, width, height),
// relative to the client area or the enclosing frame. The rows of the reading
// inside Frame1 come from kResultRows. The hidden Print button is first in
// the tab order, so it takes the focus; the links follow the buttons, for
// keyboard users, and only the banner in front is reached.
form::Design design() {
    using namespace form;
    // clang-format off
    return {form::Unit::Pixels, {617, 500}, {
        {"Label14",      Kind::Link,     nullptr,        {139, 0, 338, 29},    texts::forumInvitationWithClick(), 8.25, Bold | Underline | CenterH | CenterV | Wrap, look::kLinkBlue, 3},
        {"Frame1",       Kind::GroupBox, nullptr,        {0, 32, 617, 425},    frmPeachBlossomResult::tr("QY Amoret Chart Results"), 9, Bold},
        {"picSign",      Kind::Picture,  "Frame1",       {407, kPictureTop, 200, 200}, {}},
        {"cmdExit",      Kind::Button,   "Frame1",       {468, 382, 67, 23},   frmPeachBlossomResult::tr("E&xit"), 8.25, 0, form::kSystemColour, 1},
        {"cmdBack",      Kind::Button,   "Frame1",       {539, 382, 67, 23},   frmPeachBlossomResult::tr("&Back"), 8.25, 0, form::kSystemColour, 2},
        {"fraFullBrand", Kind::Banners,  nullptr,        {0, 457, 617, 43},    {}},
        {"lblCobrand",   Kind::Link,     "fraFullBrand", {6, 8, 600, 30},      texts::coBrandBanner(), 8.25, Bold | Underline | CenterH | CenterV | Wrap | Opaque, look::kLinkBlue, 5},
        {"lblFullBrand", Kind::Link,     "fraFullBrand", {6, 8, 600, 30},      texts::fullBrandBanner(), 8.25, Bold | Underline | CenterH | CenterV | Wrap | Opaque, look::kLinkBlue, 4},
        {"cmdPrint",     Kind::Button,   nullptr,        {238, 611, 67, 23},   frmPeachBlossomResult::tr("&Print"), 8.25, 0, form::kSystemColour, 0},
    }};
    // clang-format on
}

// The columns of the reading's rows in Frame1.
constexpr int kCaptionLeft = 8;
constexpr int kValueLeft = 168;
constexpr int kRowHeight = 13;
// The picture the window was designed with: the Dog's. It stays when the
// record holds no sign.
constexpr int kDesignTimeSign = 11;

QAction* addItem(QMenu* menu, const QString& text, const char* name) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

void addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

// Gives a wrapping label the lines its text needs beyond its box, from the
// free room below it: down to the next control under it or the frame's edge.
void growIntoRoomBelow(QLabel* label) {
    const int needed = label->heightForWidth(label->width());
    if (needed <= label->height()) {
        return;
    }
    const QWidget* frame = label->parentWidget();
    const QRect box = label->geometry();
    int limit = frame->contentsRect().bottom() + 1;
    for (const QWidget* other : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect g = other->geometry();
        if (other != label && g.top() >= box.bottom() && g.left() <= box.right() &&
            g.right() >= box.left()) {
            limit = std::min(limit, g.top());
        }
    }
    label->resize(box.width(), std::max(box.height(), std::min(needed, limit - box.top())));
}

} // namespace

frmPeachBlossomResult::frmPeachBlossomResult(const engine::ReadingRecord& record,
                                             PrinterChooser& printers, QWidget* parent)
    : QMainWindow(parent), record_(record), printers_(printers) {
    setObjectName(QStringLiteral("frmPeachBlossomResult"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    createMenus();
    // The client area below the menu bar is the designed size; the window
    // takes whatever the menu bar adds.
    createControls();

    load();
    look::centerWhenFirstShown(this);
}

void frmPeachBlossomResult::createMenus() {
    QMenu* mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction* mnuPrint = addItem(mnuFile, tr("&Print"), "mnuPrint");
    QAction* mnuBack = addItem(mnuFile, tr("&Back"), "mnuBack");
    addSeparator(mnuFile, "mnuFileSep1");
    QAction* mnuExit = addItem(mnuFile, tr("E&xit"), "mnuExit");

    QMenu* mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    QAction* mnuOnline = addItem(mnuHelp, tr("&Online Help"), "mnuOnline");
    QAction* mnuVisit = addItem(mnuHelp, tr("&Visit Us Online"), "mnuVisit");
    addSeparator(mnuHelp, "mnuHelpSep1");
    QAction* mnuUpdate = addItem(mnuHelp, tr("Check for Software &Update"), "mnuUpdate");
    addSeparator(mnuHelp, "mnuHelpSep2");
    QAction* mnuAbout = addItem(mnuHelp, tr("&About Software"), "mnuAbout");

    // A command on the menu bar itself, without a menu.
    QAction* mnuDonate = menuBar()->addAction(tr("&Donate"));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));

    connect(mnuPrint, &QAction::triggered, this, &frmPeachBlossomResult::mnuPrint_Click);
    connect(mnuBack, &QAction::triggered, this, &frmPeachBlossomResult::cmdBack_Click);
    connect(mnuExit, &QAction::triggered, this, &frmPeachBlossomResult::cmdExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmPeachBlossomResult::mnuAbout_Click);
    connect(mnuOnline, &QAction::triggered, this,
            [this] { emit linkActivated(Link::OnlineHelpPage); });
    connect(mnuVisit, &QAction::triggered, this, [this] { emit linkActivated(Link::HomePage); });
    connect(mnuUpdate, &QAction::triggered, this,
            [this] { emit linkActivated(Link::DownloadPage); });
    connect(mnuDonate, &QAction::triggered, this,
            [this] { emit linkActivated(Link::DonationPage); });
}

void frmPeachBlossomResult::createControls() {
    const form::Design window = design();
    QWidget* client = look::applyWindowLook(this, window.clientPixels());
    const form::Form controls(client, window);
    auto* Frame1 = controls.get<QGroupBox>("Frame1");
    ui_.picSign = controls.get<QLabel>("picSign");
    ui_.cmdPrint = controls.get<QPushButton>("cmdPrint");
    auto* banners = controls.get<BrandBanners>("fraFullBrand");
    banners->bringToFront(Banner::FullBrand);

    // The reading's rows: a caption sized to its text and a value that grows
    // to its own on one line, or a fixed box that wraps and cuts what does not
    // fit at its lower edge.
    for (std::size_t i = 0; i < kResultRows.size(); ++i) {
        const ResultRow& row = kResultRows[i];
        if (row.caption) {
            QWidget* caption =
                controls.add({nullptr, form::Kind::Label, nullptr,
                              QRect(kCaptionLeft, row.top, form::kFitText, kRowHeight),
                              captionText(row), 8.25, form::Bold, look::kPurple},
                             Frame1);
            caption->setObjectName(QStringLiteral("lblCaption_%1").arg(i));
            // Heard once, with its value (load).
            accessibility::setConcealed(caption, true);
        }
        const QRect box = row.wraps() ? QRect(row.left, row.top, row.width, row.height)
                                      : QRect(kValueLeft, row.top, form::kFitText, kRowHeight);
        QLabel*& value = ui_.lblResult[i];
        value = static_cast<QLabel*>(controls.add({nullptr,
                                                   form::Kind::Label,
                                                   nullptr,
                                                   box,
                                                   {},
                                                   8.25,
                                                   row.wraps() ? form::Wrap : form::Regular,
                                                   look::kDarkPurple},
                                                  Frame1));
        value->setObjectName(QStringLiteral("lblResult_%1").arg(i));
    }

    ui_.cmdPrint->setFocus();
    // The hidden Print button does nothing, so that Enter on a fresh reading
    // changes nothing; File, Print prints.
    connect(ui_.cmdPrint, &QPushButton::clicked, this, &frmPeachBlossomResult::cmdPrint_Click);
    connect(controls.get<QPushButton>("cmdExit"), &QPushButton::clicked, this,
            &frmPeachBlossomResult::cmdExit_Click);
    connect(controls.get<QPushButton>("cmdBack"), &QPushButton::clicked, this,
            &frmPeachBlossomResult::cmdBack_Click);
    connect(controls.get<LinkLabel>("Label14"), &LinkLabel::clicked, this,
            [this] { emit linkActivated(Link::HomePage); });
    connect(banners, &BrandBanners::linkActivated, this, &frmPeachBlossomResult::linkActivated);
}

void frmPeachBlossomResult::load() {
    QStringList arrival;
    for (std::size_t i = 0; i < kResultRows.size(); ++i) {
        const ResultRow& row = kResultRows[i];
        QLabel* label = ui_.lblResult[i];
        const QString value = reading_texts::shown(record_, row.field);
        label->setText(value);
        if (row.caption) {
            // Read out with its caption, which sits in another label on screen.
            label->setAccessibleName(
                tr("%1: %2").arg(captionText(row), reading_texts::spoken(value)));
            if (!besidePicture(row)) {
                arrival.append(label->accessibleName());
            }
        }
        if (!row.wraps()) {
            label->adjustSize();
        } else if (row.field == &engine::ReadingRecord::FamousPeople) {
            // The names keep the design's box wherever they fit it. Where a
            // translation's names need more lines (Japanese katakana for
            // eight names), the list takes them from the frame's empty foot
            // below it rather than lose names; the paragraph has no such room.
            growIntoRoomBelow(label);
        }
    }
    // The hidden Print button holds the focus as the window opens, so a
    // screen reader says what it presents: the rows above the picture.
    accessibility::presentFocusSinkAs(ui_.cmdPrint, accessibility::sentences(arrival));
    showSignPicture();
}

void frmPeachBlossomResult::showSignPicture() {
    // Only the picture shown is decoded, at the screen's pixel density;
    // without a sign (or if its picture cannot be read) the design-time Dog stays.
    const qreal ratio = devicePixelRatioF();
    QLabel* picSign = ui_.picSign;
    QPixmap picture = signPicture(record_.SignNumber, picSign->size(), ratio);
    int shown = record_.SignNumber;
    if (picture.isNull()) {
        picture = signPicture(kDesignTimeSign, picSign->size(), ratio);
        shown = kDesignTimeSign;
    }
    picSign->setPixmap(picture);
    const std::string_view animal = engine::kAnimals[static_cast<std::size_t>(shown - 1)];
    picSign->setAccessibleName(tr("Chinese Sign picture"));
    picSign->setAccessibleDescription(
        tr("A %1 drawn in white on a purple disc").arg(reading_texts::translated(animal)));
}

void frmPeachBlossomResult::cmdBack_Click() {
    const QPointer<frmPeachBlossomResult> self(this);
    backUnderWay_ = true;
    // The new main window is shown before this one goes.
    emit backRequested();
    if (!self) {
        return;
    }
    close();
    backUnderWay_ = false;
}

void frmPeachBlossomResult::cmdExit_Click() {
    close();
}

void frmPeachBlossomResult::cmdPrint_Click() {}

void frmPeachBlossomResult::mnuPrint_Click() {
    if (const auto printer = printers_.choose(this)) {
        printReading(*printer, record_);
    }
}

void frmPeachBlossomResult::mnuAbout_Click() {
    if (about_) {
        return;
    }
    const QPointer<frmPeachBlossomResult> self(this);
    auto* about = new frmAbout(this);
    connect(about, &frmAbout::linkActivated, this, &frmPeachBlossomResult::linkActivated);
    about_ = about;
    about->exec();
    if (!self) {
        return; // destroyed while the box was open; the box went with it
    }
    delete about_;
}

void frmPeachBlossomResult::closeEvent(QCloseEvent* event) {
    // The about box is modal over this window: it goes first.
    if (about_) {
        event->ignore();
        return;
    }
    event->accept();
    if (!backUnderWay_) {
        emit closedByUser();
    }
}
