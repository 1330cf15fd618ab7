#pragma once

namespace orrowvale {

// A window made of a plain widget (the command window, the status panel) is told to
// a screen reader as a window, as dialogs and the map are, not as a nameless
// filler: the reader says its caption when it takes the keyboard. Installed once
// for the application; calling it again does nothing.
void tellPlainWindowsAsWindows();

}  // namespace orrowvale
