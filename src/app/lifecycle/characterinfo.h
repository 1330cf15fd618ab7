#pragma once

#include <QWidget>

class QLabel;

namespace orrowvale {

class TAdven;

// A small window with one adventurer's name, sex, abilities, class and race.
class Tinfoform : public QWidget {
  public:
    Tinfoform();

    void fill(const TAdven& adventurer);

  private:
    QLabel* nameLabel;
    QLabel* familyNameLabel;
    QLabel* sexLabel;
    QLabel* strengthLabel;
    QLabel* intelligenceLabel;
    QLabel* wisdomLabel;
    QLabel* dexterityLabel;
    QLabel* charismaLabel;
    QLabel* healthLabel;
    QLabel* classLabel;
    QLabel* raceLabel;
    QLabel* weapon1Label;
    QLabel* weapon2Label;
    QLabel* armourLabel;
    QLabel* schoolLabel;
    QLabel* alignmentLabel;
};

}  // namespace orrowvale
