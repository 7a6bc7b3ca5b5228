// Folders of the installation on the current drive.
#pragma once

#include <string>
#include <string_view>

namespace settings {

// "\Tavrin\set\" + name: the duct settings.
std::string SetFile(std::string_view name);
// "\Tavrin\HaikanSet\" + name: the piping and take-off settings.
std::string HaikanFile(std::string_view name);

}  // namespace settings
