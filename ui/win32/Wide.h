// UTF-8 (the program's text) to UTF-16 (Win32's) and back; text that is not
// valid UTF-8 gets the replacement character.
#pragma once

#include <string>
#include <string_view>

namespace ui::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace ui::win32
