#pragma once

#include <QDialog>

class QProgressBar;
class QTimer;

namespace orrowvale {

class Windows;

// The small window whose gauge follows world creation. It closes itself once the
// gauge is full, so the prologue that follows stands alone over the map.
class Tcrworldform : public QDialog {
  public:
    explicit Tcrworldform(Windows& windows);

    // Builds a new game, story character `character` or a random one, and shows
    // its prologue. False, after telling the player why, when the data files
    // would not make a world; the game in the state is then untouched.
    bool createWorld(bool storyPlay, int character);

    // Lets the window go once the gauge is full.
    void closeTimerTick();
    int gauge() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildWorld();

    Windows& windows_;
    QProgressBar* progressBar;
    QTimer* closeTimer;
    bool storyPlay_ = false;
    int character_ = 0;
    bool building_ = false;
    bool succeeded_ = false;
};

}  // namespace orrowvale
