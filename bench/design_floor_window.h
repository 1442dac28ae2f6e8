// The design floor's window: the main window as designed, put together by
// hand with nothing but Qt Widgets from the main window's own design table
// (ui/frm_main_design.h). Same caption, client size, texts, fonts, colours,
// frames, group box, filled lists and focus as the program's main window; no
// form builder, layout scale, accessibility descriptions, settings, lock
// file, icon or printing. What the program spends beyond this is its own
// machinery. tests/ui/design_floor_test.cpp holds it against the real window.
#pragma once

#include <QWidget>

#include <memory>

// The window, built and not yet shown; controls carry the design's names.
std::unique_ptr<QWidget> designFloorWindow();
