#include "app_controller.h"

#include "frm_main.h"
#include "frm_peach_blossom_result.h"
#include "process_end.h"
#include "web_links.h"

#include <QApplication>

AppController::AppController(engine::ReadingRecord& record, Prompter& prompter,
                             PrinterChooser& printers, WebLinks& links, ProcessEnd& processEnd)
    : record_(record), prompter_(prompter), printers_(printers), links_(links),
      processEnd_(processEnd) {}

frmMain* AppController::mainWindow() const {
    return main_;
}

frmPeachBlossomResult* AppController::resultWindow() const {
    return result_;
}

frmMain* AppController::showMain() {
    main_ = new frmMain(record_, prompter_);
    frmMain* window = main_;
    connect(window, &frmMain::linkActivated, this, [this](Link link) { links_.open(link); });
    connect(window, &frmMain::readingReady, this, &AppController::showResult);
    connect(window, &frmMain::closedByUser, this, [this, window] { ExitProgram(window); });
    window->show();
    return window;
}

void AppController::showResult() {
    if (!result_) {
        result_ = new frmPeachBlossomResult(record_, printers_);
        frmPeachBlossomResult* window = result_;
        connect(window, &frmPeachBlossomResult::linkActivated, this,
                [this](Link link) { links_.open(link); });
        connect(window, &frmPeachBlossomResult::backRequested, this, &AppController::showMain);
        connect(window, &frmPeachBlossomResult::closedByUser, this,
                [this, window] { ExitProgram(window); });
    }
    result_->show();
}

void AppController::ExitProgram(QWidget* closing) {
    // Unload handlers run by the loop below come back here; they must not
    // start a second exit.
    if (exiting_) {
        return;
    }
    exiting_ = true;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != closing && window->isVisible()) {
            window->close();
        }
    }
    processEnd_.end(0);
}
