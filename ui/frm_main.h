#pragma once

#include "brand_banners.h"
#include "links.h"

#include <QWidget>

class Prompter;
class QComboBox;
class QLineEdit;
class QPushButton;
class RandomSource;
namespace engine {
struct ReadingRecord;
}

// Takes a name and a birth date and asks for a reading. Closing it ends the
// program unless a reading is under way (the shell acts on closedByUser).
class frmMain : public QWidget {
    Q_OBJECT
public:
    frmMain(engine::ReadingRecord& record, Prompter& prompter, QWidget* parent = nullptr);

    // Checks the input, telling the user what is wrong; true when it may be used.
    bool ValidateDetails();
    // Chooses which banner lies in front, from one random draw.
    void CoBrand_Randomize(RandomSource& random);

public slots:
    void cmdProceed_Click();

signals:
    void linkActivated(Link link);
    // The record holds a new reading: the shell shows it before this window goes.
    void readingReady();
    // The window was closed other than by a reading.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();

    // The controls this window reads and steers, under their design names,
    // which are also their object names.
    struct Controls {
        QLineEdit* txtName = nullptr;
        QComboBox* cboDate = nullptr;
        QComboBox* cboMonth = nullptr;
        QComboBox* cboYear = nullptr;
        QPushButton* cmdProceed = nullptr;
        BrandBanners* fraFullBrand = nullptr;
    };

    Controls ui_;
    engine::ReadingRecord& record_;
    Prompter& prompter_;
    bool proceedUnderWay_ = false;
};

// Which banner a draw r (0 <= r < 1) brings to the front.
Banner bannerFor(double r);
