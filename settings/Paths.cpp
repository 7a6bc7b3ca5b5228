#include "settings/Paths.h"

namespace settings {

std::string SetFile(std::string_view name) { return std::string(R"(\Tavrin\set\)") + std::string(name); }
std::string HaikanFile(std::string_view name) { return std::string(R"(\Tavrin\HaikanSet\)") + std::string(name); }

}  // namespace settings
