// The placing programs that the batches start from \Tavrin\exe\ on the
// drive: FigPlace.exe, DuctRun.exe, PipeRun.exe and TakeoffRead.exe, the
// Windows builds of jw/. The drive gets them from the shipped data, and a
// start brings older copies up to date.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "ui/Drive.h"

namespace app {

inline constexpr std::array<const char*, 4> kPlacingPrograms = {"FigPlace.exe", "DuctRun.exe", "PipeRun.exe",
                                                                "TakeoffRead.exe"};

// The folder holding the Windows programs that go with the shipped data:
// its Tavrin\exe\ when it has them (the installed data), else the folder the
// build makes them in (they are missing there without the cross compiler).
std::filesystem::path ShippedPrograms(const std::filesystem::path& shipped);

// Copies each program of the folder to \Tavrin\exe\ where the drive lacks it
// or holds an older one, keeping its time. Returns how many it copied;
// throws FileError.
int UpdatePrograms(const ui::Drive& drive, const std::filesystem::path& programs);

// The first placing program missing from \Tavrin\exe\, if any.
std::optional<std::string> MissingProgram(const ui::Drive& drive);

}  // namespace app
