#pragma once

#include "Presenter.h"

namespace orrowvale {

class Windows;

// The rules speak to the player through modal windows: message boxes, the
// announcement window and the dialogue window.
class QtPresenter : public Presenter {
  public:
    explicit QtPresenter(Windows& windows) : windows_(windows) {}

    void inform(const std::string& text) override;
    bool confirm(const std::string& question, DefaultAnswer offered) override;
    void announce(const std::string& text, const std::string& caption,
                  int scrollEndPosition) override;
    void talk(const std::string& speaker, const std::string& text) override;
    void ending(const std::string& text) override;
    void refreshStatus() override;
    void enableGuildButtons() override;

  private:
    Windows& windows_;
};

}  // namespace orrowvale
