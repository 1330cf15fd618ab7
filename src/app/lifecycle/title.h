#pragma once

#include <QMainWindow>

#include "app/ui/midiplayer.h"

class QAction;

namespace orrowvale {

class Picture;
class Windows;

// The title window, the program's main window: the title picture, the menu and the
// title music, which loops as long as the program runs. The music starts when the
// window is shown (a window manager may never activate it) and starts over each
// time the window becomes active. Closing it ends the program.
class TForm1 : public QMainWindow {
  public:
    explicit TForm1(Windows& windows);

    // Once the window is on screen: the music, or why the folder is no game directory.
    void windowShown();
    void windowActivated();
    void newGameActionTriggered();
    void loadGameActionTriggered();
    // "이어하기" and "자동 저장 불러오기": the newest autosave, as a loaded slot.
    void continueActionTriggered();
    void loadAutosaveActionTriggered();
    void exitActionTriggered();

    MidiPlayer& music() { return titleMusic; }
    // Plays or stops the music as the player's setting now says.
    void applyMusicSetting();

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    Windows& windows_;
    Picture* titleImage;
    QAction* loadGameAction;
    QAction* continueAction;
    QAction* loadAutosaveAction;
    MidiPlayer titleMusic;
    // Plays the tune; a failure is shown only when `tellFailure`.
    void startMusic(bool tellFailure);
    // Asks before a game with unsaved progress ends with the program.
    bool mayQuit();
    // Offers to continue once, when the title first opens after a run that did not
    // end normally; the autosave entry whenever one is kept.
    void showAutosaveEntries();
    bool continueLookedFor_ = false;

    // A failure is told once, not again each time its box hands the focus back.
    QString toldMusicError_;
    // Outside a game directory only that is told, once: not each missing file.
    bool gameDirMissing_ = false;
};

// The title music under the working directory.
inline constexpr const char* kTitleMusic = "data\\endless_rain[1].mid";
inline constexpr const char* kTitlePicture = "data\\title.jpg";
// What every game directory has; without it the folder is not one.
inline constexpr const char* kCityListFile = "data\\city.txt";

}  // namespace orrowvale
