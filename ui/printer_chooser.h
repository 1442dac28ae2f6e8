#pragma once

class QPrinter;
class QWidget;

// Lets the user pick and set up a printer before a print; a seam, so tests
// can print straight to a PDF file without a dialog.
class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    // Sets the printer up; false when the user cancelled.
    virtual bool choose(QPrinter& printer, QWidget* parent) = 0;
};

// The platform's print dialog.
class PrintDialogChooser final : public PrinterChooser {
public:
    bool choose(QPrinter& printer, QWidget* parent) override;
};
