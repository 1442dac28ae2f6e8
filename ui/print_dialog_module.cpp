// Built as a module of its own and loaded on the first print, so that Qt
// Print Support is not loaded at every start.
#include "print_dialog_module.h"

#include <QPrintDialog>
#include <QPrinter>

#include <memory>
#include <type_traits>

extern "C" Q_DECL_EXPORT QPagedPaintDevice* qyacChoosePrinter(QWidget* parent) {
    static_assert(std::is_same_v<decltype(&qyacChoosePrinter), ChoosePrinterFunction>);
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    return printer.release();
}
