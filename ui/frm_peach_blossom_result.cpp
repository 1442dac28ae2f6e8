#include "frm_peach_blossom_result.h"

#include "frm_about.h"
#include "link_label.h"
#include "printer_chooser.h"
#include "reading_print.h"
#include "reading_record.h"
#include "sign_pictures.h"
#include "window_look.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>

#include <string>

namespace {

constexpr QSize kClientSize{617, 500};
constexpr int kCaptionLeft = 8;
constexpr int kValueLeft = 168;
// The picture the window was designed with: the Dog's. It stays when the
// record holds no sign.
constexpr int kDesignTimeSign = 11;

// One row of the reading inside Frame1: the caption (none for the element
// paragraph) and the record field its value label shows.
struct ResultRow {
    int top;
    const char* caption;
    std::string engine::ReadingRecord::*field;
};

// clang-format off
const std::array<ResultRow, 14> kResultRows{{
    {24,  "Chinese Sign",         &engine::ReadingRecord::Animal},
    {45,  "Romance Direction",    &engine::ReadingRecord::RomanceDirection},
    {66,  "Peach Blossom Advice", &engine::ReadingRecord::PeachBlossomAdvice},
    {87,  "Chinese Element",      &engine::ReadingRecord::Element},
    {100, nullptr,                &engine::ReadingRecord::ElementText},
    {173, "Ruling Planet",        &engine::ReadingRecord::RulingPlanet},
    {194, "Most Compatible",      &engine::ReadingRecord::MostCompatible},
    {215, "Least Compatible",     &engine::ReadingRecord::LeastCompatible},
    {236, "Favourable Seasons",   &engine::ReadingRecord::FavourableSeason},
    {257, "Favourable Month",     &engine::ReadingRecord::FavourableMonth},
    {278, "Lucky Color",          &engine::ReadingRecord::LuckyColor},
    {299, "GemStone",             &engine::ReadingRecord::GemStone},
    {320, "Energy",               &engine::ReadingRecord::Energy},
    {341, "Famous People",        &engine::ReadingRecord::FamousPeople},
}};
// clang-format on

// The two value labels that keep their size and wrap; the others grow to
// their text on one line.
const QRect kElementTextRect{8, 100, 599, 65};
const QRect kFamousPeopleRect{168, 341, 231, 44};
constexpr std::size_t kElementTextRow = 4;
constexpr std::size_t kFamousPeopleRow = 13;

QPushButton* makeButton(const QString& text, const QRect& rect, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(look::font());
    button->setGeometry(rect);
    // Enter presses the focused button, as on Windows, though none is the
    // window's default button.
    button->setAutoDefault(true);
    return button;
}

LinkLabel* makeBanner(const QString& text, const char* name, QWidget* parent) {
    auto* label = new LinkLabel(text, look::kLinkBlue, true, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(6, 8, 600, 30);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    // Opaque, so the banner in front hides the one behind it.
    label->setAutoFillBackground(true);
    return label;
}

QAction* addItem(QMenu* menu, const QString& text, const char* name) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction* addSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

} // namespace

frmPeachBlossomResult::frmPeachBlossomResult(const engine::ReadingRecord& record, PrinterChooser& printers,
                                             QWidget* parent)
    : QMainWindow(parent), record_(record), printers_(printers) {
    setObjectName(QStringLiteral("frmPeachBlossomResult"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(look::programIcon());
    look::applyWindowLook(this, kClientSize);

    createMenus();
    createControls();
    // The client area below the menu bar is the designed size; the window
    // takes whatever the menu bar adds and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();

    load();
    look::centerWhenFirstShown(this);
}

void frmPeachBlossomResult::createMenus() {
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuPrint = addItem(mnuFile, QStringLiteral("&Print"), "mnuPrint");
    mnuBack = addItem(mnuFile, QStringLiteral("&Back"), "mnuBack");
    mnuFileSep1 = addSeparator(mnuFile, "mnuFileSep1");
    mnuExit = addItem(mnuFile, QStringLiteral("E&xit"), "mnuExit");

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline = addItem(mnuHelp, QStringLiteral("&Online Help"), "mnuOnline");
    mnuVisit = addItem(mnuHelp, QStringLiteral("&Visit Us Online"), "mnuVisit");
    mnuHelpSep1 = addSeparator(mnuHelp, "mnuHelpSep1");
    mnuUpdate = addItem(mnuHelp, QStringLiteral("Check for Software &Update"), "mnuUpdate");
    mnuHelpSep2 = addSeparator(mnuHelp, "mnuHelpSep2");
    mnuAbout = addItem(mnuHelp, QStringLiteral("&About Software"), "mnuAbout");

    // A command on the menu bar itself, without a menu.
    mnuDonate = menuBar()->addAction(QStringLiteral("&Donate"));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));

    connect(mnuPrint, &QAction::triggered, this, &frmPeachBlossomResult::cmdPrint_Click);
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
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientSize);
    setCentralWidget(client);

    Label14 = new LinkLabel(texts::forumInvitationWithClick(), look::kLinkBlue, true, client);
    Label14->setObjectName(QStringLiteral("Label14"));
    Label14->setGeometry(139, 0, 338, 29);
    Label14->setAlignment(Qt::AlignCenter);
    Label14->setWordWrap(true);
    connect(Label14, &LinkLabel::clicked, this, [this] { emit linkActivated(Link::HomePage); });

    Frame1 = new QGroupBox(QStringLiteral("QY Amoret Chart Results"), client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFont(look::font(9, true));
    Frame1->setGeometry(0, 32, 617, 425);

    // Every control in Frame1 names its font: they would otherwise take the
    // frame's bold caption font.
    for (std::size_t i = 0; i < kResultRows.size(); ++i) {
        const ResultRow& row = kResultRows[i];
        if (row.caption) {
            auto* caption = new QLabel(QString::fromLatin1(row.caption), Frame1);
            caption->setObjectName(QStringLiteral("lblCaption_%1").arg(i));
            caption->setTextFormat(Qt::PlainText);
            caption->setFont(look::font(8.25, true));
            look::setTextColor(caption, look::kPurple);
            caption->move(kCaptionLeft, row.top);
            caption->adjustSize();
        }
        auto* value = new QLabel(Frame1);
        value->setObjectName(QStringLiteral("lblResult_%1").arg(i));
        value->setTextFormat(Qt::PlainText);
        value->setFont(look::font());
        look::setTextColor(value, look::kDarkPurple);
        value->move(kValueLeft, row.top);
        lblResult[i] = value;
    }
    // Fixed and wrapping; what does not fit is cut off at the lower edge.
    for (const auto& [row, rect] : {std::pair{kElementTextRow, kElementTextRect},
                                    std::pair{kFamousPeopleRow, kFamousPeopleRect}}) {
        lblResult[row]->setGeometry(rect);
        lblResult[row]->setFixedSize(rect.size());
        lblResult[row]->setWordWrap(true);
        lblResult[row]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    picSign = new QLabel(Frame1);
    picSign->setObjectName(QStringLiteral("picSign"));
    picSign->setGeometry(407, 173, 200, 200);
    picSign->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdExit = makeButton(QStringLiteral("E&xit"), QRect(468, 382, 67, 23), "cmdExit", Frame1);
    cmdBack = makeButton(QStringLiteral("&Back"), QRect(539, 382, 67, 23), "cmdBack", Frame1);

    fraFullBrand = new QFrame(client);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    fraFullBrand->setFrameStyle(QFrame::Box | QFrame::Sunken);
    fraFullBrand->setGeometry(0, 457, 617, 43);
    lblCobrand = makeBanner(texts::kCoBrandBanner, "lblCobrand", fraFullBrand);
    lblFullBrand = makeBanner(texts::kFullBrandBanner, "lblFullBrand", fraFullBrand);
    lblFullBrand->raise();
    connect(lblCobrand, &LinkLabel::clicked, this,
            [this] { emit linkActivated(Link::CoBrandPage); });
    connect(lblFullBrand, &LinkLabel::clicked, this,
            [this] { emit linkActivated(Link::FullBrandPage); });

    // Below the client area, so never seen; first in the tab order, so Enter
    // on a freshly opened window presses it.
    cmdPrint = makeButton(QStringLiteral("&Print"), QRect(238, 611, 67, 23), "cmdPrint", client);
    setTabOrder(cmdPrint, cmdExit);
    setTabOrder(cmdExit, cmdBack);
    cmdPrint->setFocus();

    connect(cmdPrint, &QPushButton::clicked, this, &frmPeachBlossomResult::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmPeachBlossomResult::cmdExit_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmPeachBlossomResult::cmdBack_Click);
}

void frmPeachBlossomResult::load() {
    for (std::size_t i = 0; i < kResultRows.size(); ++i) {
        lblResult[i]->setText(QString::fromStdString(record_.*kResultRows[i].field));
        if (i != kElementTextRow && i != kFamousPeopleRow) {
            lblResult[i]->adjustSize();
        }
    }
    // Only the picture shown is decoded; without a sign (or if its picture
    // cannot be read) the design-time Dog stays.
    QPixmap picture = signPicture(record_.SignNumber);
    if (picture.isNull()) {
        picture = signPicture(kDesignTimeSign);
    }
    picSign->setPixmap(picture);
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

void frmPeachBlossomResult::cmdPrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    if (!printers_.choose(printer, this)) {
        return;
    }
    printReading(printer, record_);
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
