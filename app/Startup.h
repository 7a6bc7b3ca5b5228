// What happens before the panel opens: the command line, the choice of the
// drive root, and the installation of the shipped data on a new drive.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ui/Canvas.h"
#include "ui/Drive.h"

namespace app {

struct Options {
  std::optional<std::filesystem::path> drive;  // --drive DIR
  std::optional<std::filesystem::path> play;   // --play FILE
  bool gui = false;                            // --gui: play on the real dialogs
  bool help = false;
  std::string error;  // an option the program does not know
};
Options ParseOptions(const std::vector<std::string>& arguments);
extern const char* const kUsage;

// The root of the current drive: --drive, else, on Windows, the root of the
// drive that holds the program; elsewhere $WINEPREFIX/drive_c, else
// ~/.wine/drive_c when it exists, else ~/.local/share/tavrin/drive.
std::filesystem::path ChooseDriveRoot(const std::optional<std::filesystem::path>& option);

// The shipped data: the folder that holds the initial \Tavrin\ and its files,
// as written in the sources (UTF-8 text, LF) or already as on a drive.
struct ShippedData {
  ShippedData(std::filesystem::path folder, bool onDrive = false) : folder(std::move(folder)), onDrive(onDrive) {}
  std::filesystem::path folder;
  bool onDrive;
};
// Linux: the installed data beside the program, else the sources'. Windows:
// the drive the program was unpacked to (\Tavrin\exe\Tavrin.exe), as it
// came in the zip.
ShippedData FindShippedData();

// When the drive holds no Tavrin folder, copies the shipped data onto it,
// converting text files to Shift-JIS with CR LF, and makes the folders the
// program writes into. Returns true when it installed.
bool InstallIfNeeded(const ui::Drive& drive, const ShippedData& shipped);

ui::Picture AppIcon();

}  // namespace app
