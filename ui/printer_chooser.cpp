#include "printer_chooser.h"

#include <QPrintDialog>
#include <QPrinter>

std::unique_ptr<QPagedPaintDevice> PrintDialogChooser::choose(QWidget* parent) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    return printer;
}
