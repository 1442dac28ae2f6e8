// The design floor: the main window as designed, put together by hand with
// nothing but Qt Widgets. Same caption, client size, texts, fonts, colours,
// frames, group box, filled lists and focus as the program's main window; no
// design table, layout scale, accessibility descriptions, settings, lock file,
// icon or printing. What the program spends beyond this is its own machinery.
// Positions are the design's twips at 15 to the pixel (96 dpi).
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace {

const QColor kLinkBlue(40, 83, 196);
const QColor kDarkPurple(104, 45, 123);
const QColor kPurple(128, 0, 128);

QFont designFont(bool bold = false, bool underline = false) {
    // Verdana 8.25 pt; where it is missing, its free cousin draws it, asked
    // for by name (a missing family costs a fallback search with every font).
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void colour(QWidget* widget, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
}

// The bold texts are centred and wrap; the captions in the group box are neither.
QLabel* label(const QString& text, QWidget* parent, QRect rect, const QColor& textColour, bool bold,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setFont(designFont(bold));
    colour(l, textColour);
    l->setAlignment(align);
    l->setWordWrap(bold);
    l->setGeometry(rect);
    return l;
}

// Underlined, blue, with the hand pointer; reached with Tab only.
QLabel* link(const QString& text, QWidget* parent, QRect rect, Qt::Alignment align) {
    QLabel* l = label(text, parent, rect, kLinkBlue, true, align);
    l->setFont(designFont(true, true));
    l->setCursor(Qt::PointingHandCursor);
    l->setFocusPolicy(Qt::TabFocus);
    return l;
}

QComboBox* list(QWidget* parent, QRect rect, const QStringList& entries) {
    auto* box = new QComboBox(parent);
    box->setFont(designFont());
    colour(box, Qt::black);
    box->addItems(entries);
    box->setGeometry(rect);
    return box;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window.setWindowTitle(QStringLiteral("QY Amoret Chart v1.0"));
    window.setFont(designFont());
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setFixedSize(506, 310);

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    QLabel* forum = link(QStringLiteral("Visit our online discussion forum at " QYAC_MAIN_HOST),
                         &window, {82, 0, 342, 29}, centred);
    label(QStringLiteral("Know more about your romance direction with the Chinese Amoret Chart. "
                         "Enter your personal details to get started."),
          &window, {33, 56, 441, 29}, kDarkPurple, true, centred);

    auto* details = new QGroupBox(QStringLiteral("Your Details Please"), &window);
    details->setFont(designFont(true));
    colour(details, kPurple);
    details->setGeometry(110, 124, 287, 113);
    QLabel* nameCaption =
        label(QStringLiteral("Name"), details, {32, 24, 33, 13}, kDarkPurple, false);
    auto* name = new QLineEdit(details);
    name->setFont(designFont());
    colour(name, Qt::black);
    name->setGeometry(70, 19, 207, 23);
    nameCaption->setBuddy(name);
    QLabel* dateCaption =
        label(QStringLiteral("Birth Date"), details, {7, 50, 58, 13}, kDarkPurple, false);

    QStringList days;
    for (int day = 1; day <= 31; ++day) {
        days << QString::number(day);
    }
    QStringList years;
    for (int year = 1936; year <= 2008; ++year) {
        years << QString::number(year);
    }
    QComboBox* day = list(details, {70, 46, 43, 21}, days);
    QComboBox* month =
        list(details, {117, 46, 87, 21},
             {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
              QStringLiteral("April"), QStringLiteral("May"), QStringLiteral("June"),
              QStringLiteral("July"), QStringLiteral("August"), QStringLiteral("September"),
              QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")});
    QComboBox* year = list(details, {208, 46, 73, 21}, years);
    dateCaption->setBuddy(day);

    auto* proceed = new QPushButton(QStringLiteral("&Get My Peach Blossom Reading"), details);
    proceed->setFont(designFont(true));
    colour(proceed, Qt::black);
    proceed->setAutoDefault(true);
    proceed->setGeometry(8, 80, 271, 25);

    auto* banners = new QFrame(&window);
    banners->setFrameStyle(QFrame::Box | QFrame::Sunken);
    banners->setGeometry(0, 256, 507, 53);
    const Qt::Alignment middle = Qt::AlignCenter;
    QLabel* fullBrand = link(QStringLiteral("Home Business Opportunity. Start your own Internet "
                                            "business and make money online. Get this software "
                                            "fully branded for your website. Click here for more "
                                            "details."),
                             banners, {8, 8, 495, 41}, middle);
    QLabel* coBrand = link(QStringLiteral("Co-brand this software for your site.  Increase loyalty "
                                          "and traffic to your site. Put your site's name &  link "
                                          "here. See \"Help\" for details. Click Here for more "
                                          "info on co-branding."),
                           banners, {8, 8, 495, 41}, middle);
    for (QLabel* banner : {fullBrand, coBrand}) {
        banner->setAutoFillBackground(true);
    }
    // The co-branding banner lies in front; the one behind is out of the tab order.
    coBrand->raise();
    fullBrand->setFocusPolicy(Qt::NoFocus);

    QWidget::setTabOrder(name, day);
    QWidget::setTabOrder(day, month);
    QWidget::setTabOrder(month, year);
    QWidget::setTabOrder(year, proceed);
    QWidget::setTabOrder(proceed, forum);
    QWidget::setTabOrder(forum, coBrand);
    name->setFocus();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.show();
    return QApplication::exec();
}
