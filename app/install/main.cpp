// tavrin_install DRIVE [NOTE]: installs the shipped data on the folder DRIVE
// as the first start of the program does (Shift-JIS text with CR LF), and
// writes the text file NOTE (UTF-8) beside it the same way. The Windows zip
// is made of what it leaves.
#include <iostream>

#include "app/Startup.h"
#include "ui/Drive.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments = ui::Arguments(argc, argv);
  if (arguments.empty() || arguments.size() > 2) {
    std::cerr << "使い方: tavrin_install DRIVE [NOTE]\n";
    return 2;
  }
  try {
    ui::Drive drive(ui::PathFromUtf8(arguments[0]));
    app::InstallIfNeeded(drive, app::FindShippedData());
    if (arguments.size() == 2) {
      std::filesystem::path note = ui::PathFromUtf8(arguments[1]);
      ui::WriteTextFile(drive.root() / note.filename(), ui::ReadUtf8File(note));
    }
  } catch (const std::exception& error) {
    std::cerr << "tavrin_install: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
