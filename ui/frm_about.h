#pragma once

#include "links.h"

#include <QDialog>

class LinkLabel;
class QFrame;
class QLabel;
class QPushButton;

// Names the program and offers the maker's pages; shown modally.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* picIcon;
    QLabel* Label2;
    QLabel* Label1;
    LinkLabel* lblHomePage;
    QLabel* Label3;
    LinkLabel* lblCoBrand;
    QFrame* Line2;
    QPushButton* cmdOK;

signals:
    void linkActivated(Link link);
};
