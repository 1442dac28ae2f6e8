// Which of the main window's two banners, sharing one rectangle, is in front.
#pragma once

#include "frm_main.h"
#include "link_label.h"

#include <QFrame>

// The later sibling is drawn over the earlier one and takes the clicks.
inline bool fullBrandInFront(const frmMain& window) {
    const auto children = window.fraFullBrand->children();
    return children.indexOf(window.lblFullBrand) > children.indexOf(window.lblCobrand);
}
