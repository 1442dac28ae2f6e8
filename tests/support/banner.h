// Which of the main window's two banners, sharing one rectangle, is in front.
#pragma once

#include "controls.h"
#include "frm_main.h"
#include "link_label.h"

#include <QFrame>

// The later sibling is drawn over the earlier one and takes the clicks.
inline bool fullBrandInFront(const frmMain& window) {
    const auto children = control<QFrame>(window, "fraFullBrand")->children();
    return children.indexOf(control<LinkLabel>(window, "lblFullBrand")) >
           children.indexOf(control<LinkLabel>(window, "lblCobrand"));
}
