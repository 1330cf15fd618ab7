#pragma once

#include <functional>

namespace orrowvale {

struct Game;

// Ends `turns` turns at once: the calendar with its weekly turnover and monthly
// trade refresh, the date events, the scenario file, the quest counters, every
// travelling party and every party on a mission, then the status panel.
void advanceTurn(Game& game, int turns);

// Free adventurers wander in and out of the world; run at the start of a week.
void weeklyTurnover(Game& game);

inline constexpr const char* kEndTurnQuestion = "이 턴을 종료하시겠습니까?";
// The most turns one press of "완료" runs while the main character is away.
inline constexpr int kEndTurnLimit = 240;
inline constexpr const char* kTurnsStopped = "시간을 멈췄습니다. 완료를 누르면 다시 흘러갑니다.";

// One press of "완료" after the player said Yes: one turn, or while the main
// character is away with a party, turn after turn until it is back (at most a game
// year), or until the player stops the run (Presenter::keepPlayingTurns) and hears
// kTurnsStopped, which sets `stoppedByPlayer` when given. The reports of the turns
// run come as one turn report once they are over (before kTurnsStopped), unless the
// player keeps one box per report (see tellReport). Returns the number of turns run.
int endTurn(Game& game, bool* stoppedByPlayer = nullptr);

// Whether "완료" asks kEndTurnQuestion first; the player may choose not to be asked.
enum class EndTurnQuestion { Asked, Skipped };

// One press of "완료": asks kEndTurnQuestion (unless the player chose not to be
// asked) and, after a Yes, calls `turnsStarting` (the window greys itself out, which
// it cannot do while the question is open) and ends the turn as endTurn does; the
// new turn's start then goes to the game's Autosaver. Returns the number of turns
// run, 0 after a No. The play log keeps a run the player stopped as "end N", N the
// turns played, so that a replay stops it where the player did.
int confirmAndEndTurn(Game& game, const std::function<void()>& turnsStarting = {},
                      EndTurnQuestion question = EndTurnQuestion::Asked);

}  // namespace orrowvale
