// Runs the program's body with the Qt platform services.
#pragma once

#include <functional>

#include "ui/Canvas.h"
#include "ui/Services.h"

namespace ui::qt {

int RunApplication(int& argc, char** argv, const Picture& icon, const std::function<int(Services&)>& body);

}  // namespace ui::qt
