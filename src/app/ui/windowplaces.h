#pragma once

class QWidget;

namespace orrowvale {

// Every window of the game opens where the player last left it (and at the size he
// gave it, when it can be resized), as long as that place still lies on a screen;
// a window shown for the first time opens in the middle of the screen, never in a
// corner. A window that arranges itself (see `arrangesItself`) is left alone the
// first time. Message boxes open over their window as Qt places them. Installed once
// for the application; calling it again does nothing.
void rememberWindowPlaces();

// Marks `window` as placing itself when it has no remembered place.
void arrangesItself(QWidget& window);
// Whether the player has left `window` somewhere on an earlier showing, in this run
// or another.
bool hasRememberedPlace(const QWidget& window);

}  // namespace orrowvale
