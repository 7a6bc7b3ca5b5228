// What the operating system provides the program with, behind one interface
// on every platform: the code page of the files, the program's own file and
// its command line. ui/SystemPosix.cpp implements it with iconv and /proc,
// ui/win32/SystemWin32.cpp with the Win32 functions.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Conversion between UTF-8 (inside the program) and Shift-JIS, code page 932
// (every file on the drive). Both directions give the same bytes on every
// platform: a character the target cannot hold becomes "?", and so does each
// byte of the input that starts no valid character.
std::string Utf8ToCp932(std::string_view utf8);
std::string Cp932ToUtf8(std::string_view cp932);

// The running program's file, or an empty path when the system cannot tell.
std::filesystem::path ProgramFile();

// The command line's arguments after the program's name, in UTF-8.
std::vector<std::string> Arguments(int argc, char** argv);

}  // namespace ui
