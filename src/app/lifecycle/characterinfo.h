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
    QLabel* chrname;
    QLabel* chrfname;
    QLabel* chrsex;
    QLabel* chrstr;
    QLabel* chrint;
    QLabel* chrwis;
    QLabel* chrdex;
    QLabel* chrchr;
    QLabel* chrhlt;
    QLabel* chrjob;
    QLabel* chrrace;
};

}  // namespace orrowvale
