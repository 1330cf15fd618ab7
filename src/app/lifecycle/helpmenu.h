#pragma once

class QMainWindow;

namespace orrowvale {

class Windows;

// The "도움말" menu of the title and the map window. "문제 보고용 기록 열기" opens
// the folder of the play logs, so that a player reporting a fault sends one file.
void addHelpMenu(QMainWindow& window, Windows& windows);

}  // namespace orrowvale
