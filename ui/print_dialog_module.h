#pragma once

class QPagedPaintDevice;
class QWidget;

// The one entry of the print-dialog module: shows the platform's print
// dialog over `parent` for a new high-resolution printer and returns that
// printer once the user accepts, or null. The caller owns the printer.
using ChoosePrinterFunction = QPagedPaintDevice* (*)(QWidget* parent);
inline constexpr const char* kChoosePrinterSymbol = "qyacChoosePrinter";
