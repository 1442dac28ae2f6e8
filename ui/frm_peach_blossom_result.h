#pragma once

#include "links.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class LinkLabel;
class PrinterChooser;
class QAction;
class QGroupBox;
class QFrame;
class QLabel;
class QMenu;
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

    // Controls under their design names, as a form exposes them.
    LinkLabel* Label14;
    QGroupBox* Frame1;
    std::array<QLabel*, 14> lblResult;
    QLabel* picSign;
    QPushButton* cmdPrint;
    QPushButton* cmdExit;
    QPushButton* cmdBack;
    QFrame* fraFullBrand;
    LinkLabel* lblCobrand;
    LinkLabel* lblFullBrand;

    QMenu* mnuFile;
    QAction* mnuPrint;
    QAction* mnuBack;
    QAction* mnuFileSep1;
    QAction* mnuExit;
    QMenu* mnuHelp;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuHelpSep1;
    QAction* mnuUpdate;
    QAction* mnuHelpSep2;
    QAction* mnuAbout;
    QAction* mnuDonate;

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

    const engine::ReadingRecord& record_;
    PrinterChooser& printers_;
    bool backUnderWay_ = false;
    QPointer<frmAbout> about_;
};
