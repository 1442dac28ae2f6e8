#pragma once

#include <QPagedPaintDevice>

#include <memory>

class QWidget;

// Lets the user pick and set up a printer before a print; a seam, so tests
// can print straight to a PDF file without a dialog.
class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    // A printer set up by the user, or null when the user cancelled or
    // there is nothing to print with.
    virtual std::unique_ptr<QPagedPaintDevice> choose(QWidget* parent) = 0;
};

// The platform's print dialog, for a new high-resolution printer.
class PrintDialogChooser final : public PrinterChooser {
public:
    std::unique_ptr<QPagedPaintDevice> choose(QWidget* parent) override;
};
