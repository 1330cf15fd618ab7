#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace orrowvale {

class Windows;

// "설정": the player's choices kept between runs: the size of the windows (the
// screen's own or 100 % to 200 %, taken at the next start), the title music and
// its loudness,
// whether "완료" asks before a turn ends, and whether a turn's reports come as one
// "이번 턴의 소식" or each in its own box. Each choice is kept as soon as it is made.
// Opened from the "설정(&O)" menu of the title and of the map.
class Tsettingsform : public QDialog {
  public:
    explicit Tsettingsform(Windows& windows);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void scaleChosen(int row);
    void musicToggled(bool on);
    void volumeChanged(int percent);

    Windows& windows_;
    QComboBox* scaleCombo;
    QLabel* scaleNote;
    QCheckBox* musicCheck;
    QSlider* volumeSlider;
    QCheckBox* askEndCheck;
    QCheckBox* oneReportCheck;
    QPushButton* closeButton;
};

}  // namespace orrowvale
