#pragma once

class QMainWindow;
class QMenu;
class QWidget;

namespace orrowvale {

class Windows;

// The "도움말" menu of the title and the map window. "문제 보고용 기록 열기" opens
// the folder of the play logs, so that a player reporting a fault sends one file.
// "도움말 보기" opens the help at the page of the window in front.
void addHelpMenu(QMainWindow& window, Windows& windows);

// The "설정(&O)" menu of the title and the map window, its first entry "설정 창"; the
// map adds its own entries below.
QMenu* addSettingsMenu(QMainWindow& window, Windows& windows);

// Shows the help at the page of `inFront` (the window in front when F1 was pressed).
void showHelpFor(Windows& windows, const QWidget* inFront);

}  // namespace orrowvale
