// Tells running KDE programs that the mouse settings changed, so they reload wheel lines and
// double-click time: the session bus signal org.kde.KGlobalSettings.notifyChange.
#pragma once

namespace tarvik::platform {

// Sends the signal when a session bus is reachable; without one (a plain console, a test
// machine) there is nobody to tell and nothing is sent. False when nothing was sent.
bool announceKdeMouseChange();

}  // namespace tarvik::platform
