#pragma once

#include "links.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class PrinterChooser;
class QLabel;
class QPushButton;
class frmAbout;
namespace engine {
struct ReadingRecord;
}

// Shows one reading, read from the record when the window is made. Closing it
// ends the program unless Back is under way (the shell acts on closedByUser).
class frmPeachBlossomResult : public QMainWindow {
    Q_OBJECT
public:
    frmPeachBlossomResult(const engine::ReadingRecord& record, PrinterChooser& printers,
                          QWidget* parent = nullptr);

public slots:
    void cmdBack_Click();
    void cmdExit_Click();
    // The hidden button: does nothing, so Enter on a fresh reading prints nothing.
    void cmdPrint_Click();
    // Prints the reading on one page, after the print dialog.
    void mnuPrint_Click();
    void mnuAbout_Click();

signals:
    void linkActivated(Link link);
    // Back is under way: the shell shows a new main window before this one goes.
    void backRequested();
    // The window was closed other than by Back.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenus();
    void load();
    void showSignPicture();

    // The controls this window fills, under their design names, which are
    // also their object names (the rows: lblResult_0 to lblResult_13).
    struct Controls {
        std::array<QLabel*, 14> lblResult{};
        QLabel* picSign = nullptr;
        QPushButton* cmdPrint = nullptr;
    };

    Controls ui_;
    const engine::ReadingRecord& record_;
    PrinterChooser& printers_;
    bool backUnderWay_ = false;
    QPointer<frmAbout> about_;
};
