// Play scripts as `tavrin --play` runs them on the command panel. Lines that
// name a file for a file dialog are left out, so that no script writes
// outside the drive. Nothing may crash or hang, and the drawing data and the
// pipe's marker hold only finite numbers.
#include "tests/fuzz/FuzzSupport.h"
#include "ui/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> lines;
  for (const std::string& line : ui::Split(fuzz::Bytes(data, size), '\n'))
    if (line.find("file") == std::string::npos) lines.push_back(line);
  fuzz::FuzzDrive& d = fuzz::FuzzDrive::Get();
  test::Play(d.test(), lines);
  d.CheckPlacementFiles();
  d.Reset();
  return 0;
}
