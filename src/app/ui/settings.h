#pragma once

#include <QRect>
#include <QString>
#include <optional>

namespace orrowvale {

// The player's choices kept between runs of the game (QSettings), apart from any
// saved game.

// Whether "완료" asks before ending a turn; yes until the player turns it off.
bool askBeforeEndingTurn();
void setAskBeforeEndingTurn(bool ask);

// The size of every window, font and picture in percent (100, 125, 150 or 200), or 0
// for the screen's own scale, the default. Read once as the program starts.
int uiScalePercent();
void setUiScalePercent(int percent);
inline constexpr int kUiScales[] = {100, 125, 150, 200};
// Sets the scale the player chose for the program about to start, unless the
// environment already names one (QT_SCALE_FACTOR). Call before the application.
void applyUiScale();

// Where the player last left the window named `window` (its top-left corner) and
// its size; nothing before he ever closed it.
std::optional<QRect> windowPlace(const QString& window);
void setWindowPlace(const QString& window, const QRect& place);

// Whether the title plays its music; yes until the player turns it off.
bool musicOn();
void setMusicOn(bool on);
// How loud the music plays, 0 to 100 (50 unless the player chose).
int musicVolume();
void setMusicVolume(int percent);

// Whether the reports of the turns one press of "완료" plays (arrivals, monsters
// beaten, missions ended, gold brought home) come as one turn report, "이번 턴의
// 소식" (true, the default), or each in its own box as the turn reaches it (false).
// Read at each press of "완료", so a change counts from the next one.
bool oneTurnReport();
void setOneTurnReport(bool gathered);

}  // namespace orrowvale
