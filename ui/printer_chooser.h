#pragma once

#include <QPagedPaintDevice>
#include <QString>

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

// The platform's print dialog. Qt Print Support is loaded only for the
// first print: it lives in a module of its own (print_dialog_module.cpp),
// so that every start does not pay for loading it. The module is looked for
// in `moduleFolder`; by default where the installation puts it beside the
// executable.
class PrintDialogChooser final : public PrinterChooser {
public:
    explicit PrintDialogChooser(QString moduleFolder = installedModuleFolder());
    std::unique_ptr<QPagedPaintDevice> choose(QWidget* parent) override;

    static QString installedModuleFolder();

private:
    QString moduleFolder_;
};
