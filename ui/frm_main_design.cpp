#include "frm_main_design.h"

#include "colours.h"
#include "links.h"

#include <QCoreApplication>

// The window as designed, in twips (left, top, width, height); controls in
// fraDetails and fraFullBrand are relative to their frame. The links come
// after the design's tab order, for keyboard users; of the two banners only
// the one in front is reached.
form::Design frmMainDesign() {
    using namespace form;
    // The texts keep the window's translation context.
    const QString intro = QCoreApplication::translate(
        "frmMain", "Know more about your romance direction with the Chinese Amoret Chart. Enter "
                   "your personal details to get started.");
    const QString details = QCoreApplication::translate("frmMain", "Your Details Please");
    const QString name = QCoreApplication::translate("frmMain", "Name");
    const QString birthDate = QCoreApplication::translate("frmMain", "Birth Date");
    const QString day = QCoreApplication::translate("frmMain", "Birth Date: Day");
    const QString month = QCoreApplication::translate("frmMain", "Birth Date: Month");
    const QString year = QCoreApplication::translate("frmMain", "Birth Date: Year");
    const QString proceed = QCoreApplication::translate("frmMain", "&Get My Peach Blossom Reading");
    // clang-format off
    return {form::Unit::Twips, {7590, 4650}, {
        {"Label14",      Kind::Link,     nullptr,        {1230, 0, 5130, 435},    texts::forumInvitation(), 8.25, Bold | Underline | CenterH | Wrap, look::kLinkBlue, 5},
        {"Label1_1",     Kind::Label,    nullptr,        {488, 840, 6615, 435},   intro,     8.25, Bold | CenterH | Wrap, look::kDarkPurple},
        {"fraDetails",   Kind::GroupBox, nullptr,        {1645, 1860, 4300, 1695}, details,  8.25, Bold, look::kPurple},
        {"Label1_0",     Kind::Label,    "fraDetails",   {480, 360, 495, 195},    name,      8.25, 0, look::kDarkPurple},
        {"txtName",      Kind::TextBox,  "fraDetails",   {1050, 285, 3105, 345},  {},        8.25, 0, look::kInputText, 0},
        {"Label2",       Kind::Label,    "fraDetails",   {105, 750, 870, 195},    birthDate, 8.25, 0, look::kDarkPurple},
        {"cboDate",      Kind::List,     "fraDetails",   {1050, 690, 645, 315},   {},        8.25, 0, look::kInputText, 1, day},
        {"cboMonth",     Kind::List,     "fraDetails",   {1755, 690, 1305, 315},  {},        8.25, 0, look::kInputText, 2, month},
        {"cboYear",      Kind::List,     "fraDetails",   {3120, 690, 1095, 315},  {},        8.25, 0, look::kInputText, 3, year},
        {"cmdProceed",   Kind::Button,   "fraDetails",   {120, 1200, 4065, 375},  proceed,   8.25, Bold, look::kInputText, 4},
        {"fraFullBrand", Kind::Banners,  nullptr,        {-7, 3840, 7605, 800},   {}},
        {"lblFullBrand", Kind::Link,     "fraFullBrand", {120, 120, 7425, 615},   texts::fullBrandBanner(), 8.25, Bold | Underline | CenterH | CenterV | Wrap | Opaque, look::kLinkBlue, 6},
        {"lblCobrand",   Kind::Link,     "fraFullBrand", {120, 120, 7425, 615},   texts::coBrandBanner(), 8.25, Bold | Underline | CenterH | CenterV | Wrap | Opaque, look::kLinkBlue, 7},
    }};
    // clang-format on
}
