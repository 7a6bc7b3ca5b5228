// The front end the program runs on: Qt on Linux (ui/qt), plain Win32 on
// Windows (ui/win32). Exactly one of them is linked into the program.
#pragma once

#include <functional>

#include "ui/Canvas.h"
#include "ui/Services.h"

namespace ui {

class Player;

// Runs body with the platform's services and returns what it returns. With
// a player, every dialog is shown and the script is played on its real
// controls as a user's input. icon: the windows' icon (the Win32 front end
// takes the one built into the program).
int RunFrontEnd(int& argc, char** argv, const Picture& icon, Player* player,
                const std::function<int(Services&)>& body);

// What a handler throws past its own error boundary (a play script that
// fails) must not unwind through the toolkit's frames: a front end keeps it
// where the toolkit calls in (HoldException, in a catch block) and throws it
// again where its own code handed the toolkit an event (RethrowHeld).
void HoldException();
void RethrowHeld();

}  // namespace ui
