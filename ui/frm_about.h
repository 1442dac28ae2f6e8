#pragma once

#include "links.h"

#include <QDialog>

// Names the program and offers the maker's pages; shown modally.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

signals:
    void linkActivated(Link link);
};
