#pragma once

#include "links.h"

#include <QObject>
#include <QPointer>

class PrinterChooser;
class ProcessEnd;
class Prompter;
class QWidget;
class WebLinks;
class frmMain;
class frmPeachBlossomResult;
namespace engine {
struct ReadingRecord;
}

// Decides which working window is shown: the main window hands over to the
// result window after a reading, Back hands over the other way, and any other
// close of a working window ends the program through ExitProgram.
class AppController : public QObject {
    Q_OBJECT
public:
    AppController(engine::ReadingRecord& record, Prompter& prompter, PrinterChooser& printers,
                  WebLinks& links, ProcessEnd& processEnd);

    // Creates and shows a new main window.
    frmMain* showMain();

    // Unloads every other window, each running its unload handler, then ends
    // the process. `closing` is the window whose close started it, if any.
    void ExitProgram(QWidget* closing = nullptr);

    frmMain* mainWindow() const;
    frmPeachBlossomResult* resultWindow() const;

private:
    void showResult();

    engine::ReadingRecord& record_;
    Prompter& prompter_;
    PrinterChooser& printers_;
    WebLinks& links_;
    ProcessEnd& processEnd_;
    QPointer<frmMain> main_;
    QPointer<frmPeachBlossomResult> result_;
    bool exiting_ = false;
};
