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
  bool help = false;
  std::string error;  // an option the program does not know
};
Options ParseOptions(const std::vector<std::string>& arguments);
extern const char* const kUsage;

// The root of the current drive: --drive, else $WINEPREFIX/drive_c, else
// ~/.wine/drive_c when it exists, else ~/.local/share/tavrin/drive.
std::filesystem::path ChooseDriveRoot(const std::optional<std::filesystem::path>& option);

// The folder holding the shipped data (the initial \Tavrin\ and its files).
std::filesystem::path ShippedData();

// When the drive holds no Tavrin folder, copies the shipped data onto it,
// converting text files to Shift-JIS with CR LF, and makes the folders the
// program writes into. Returns true when it installed.
bool InstallIfNeeded(const ui::Drive& drive, const std::filesystem::path& shipped);

ui::Picture AppIcon();

}  // namespace app
