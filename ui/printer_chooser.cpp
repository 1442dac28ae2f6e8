#include "printer_chooser.h"

#include "print_dialog_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QPagedPaintDevice>

PrintDialogChooser::PrintDialogChooser(QString moduleFolder)
    : moduleFolder_(std::move(moduleFolder)) {}

QString PrintDialogChooser::installedModuleFolder() {
    // Relative to the executable, never to the current folder, so that no
    // library planted where the user starts the program gets loaded.
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QLatin1String(QYAC_PRINT_MODULE_FROM_BIN));
}

std::unique_ptr<QPagedPaintDevice> PrintDialogChooser::choose(QWidget* parent) {
    // QLibrary leaves the module loaded when it goes out of scope: the
    // printer it returns lives on in its code.
    QLibrary module(QDir(moduleFolder_).filePath(QLatin1String(QYAC_PRINT_MODULE_FILE)));
    const auto chooser =
        reinterpret_cast<ChoosePrinterFunction>(module.resolve(kChoosePrinterSymbol));
    if (!chooser) {
        // A broken installation: printing does nothing, as any failed print.
        return nullptr;
    }
    return std::unique_ptr<QPagedPaintDevice>(chooser(parent));
}
