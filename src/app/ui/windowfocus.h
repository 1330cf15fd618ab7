#pragma once

namespace orrowvale {

// The keyboard follows the windows as a window manager would have it, also on a
// desktop without one: a window that opens takes it, and when the window that had
// it closes, it goes to the modal window still open, or else to the window that
// had it before. Installed once for the application; calling it again does nothing.
void keyboardFollowsWindows();

}  // namespace orrowvale
