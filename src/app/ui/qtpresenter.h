#pragma once

#include <memory>

#include "Presenter.h"

class QDialog;
class QLabel;
class QWidget;

namespace orrowvale {

class Windows;

// The rules speak to the player through modal windows: message boxes, the
// announcement window and the dialogue window.
class QtPresenter : public Presenter {
  public:
    explicit QtPresenter(Windows& windows);
    ~QtPresenter() override;

    void inform(const std::string& text) override;
    bool confirm(const std::string& question, DefaultAnswer offered) override;
    void announce(const std::string& text, const std::string& caption,
                  int scrollEndPosition) override;
    void talk(const std::string& speaker, const std::string& text) override;
    void ending(const std::string& text) override;
    void refreshStatus() override;
    void enableGuildButtons() override;
    // Shows a small box over the game while a run of turns plays, whose "멈춤"
    // (Enter, Space or Escape) asks the run to stop after the turn in progress.
    bool keepPlayingTurns(int turnsPlayed) override;
    // As the player chose in the settings (oneTurnReport).
    bool gathersTurnReports() const override;
    void showTurnReport(const std::vector<TurnNews>& turns) override;
    // Closes the box of a run of turns once the run is over, however it ended.
    void finishTurnRun();

  private:
    void makeTurnRunBox();
    QWidget* boxOwner();

    Windows& windows_;
    std::unique_ptr<QDialog> turnRunBox_;
    QLabel* turnsPlayedLabel_ = nullptr;
    bool stopAsked_ = false;
};

}  // namespace orrowvale
