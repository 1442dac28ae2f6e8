#include "printer_chooser.h"

#include <QPrintDialog>

bool PrintDialogChooser::choose(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
