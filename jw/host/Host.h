// A stand-in for Jw_cad, for tests and demonstrations: runs an
// external-transform batch on a drawing kept as a file. It reads the batch's
// directives, hands the given points (and, for "#h1", the drawing) to the
// batch's program in jwc_temp.txt, runs the program, adds what it wrote back
// to the drawing, and renders the drawing to SVG and PNG.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "jw/Exchange.h"
#include "jw/Files.h"

namespace jw {

// Starts the program a batch names (for example "\Tavrin\exe\FigPlace.exe")
// on the drive and gives its exit code.
using ProgramStarter = std::function<int(const Files& drive, const std::string& program)>;

// The native builds of the programs in the folder, found by their name
// without ".exe"; the drive is handed over in TAVRIN_DRIVE.
ProgramStarter NativePrograms(std::filesystem::path folder);
// The Windows programs on the drive itself, run under Wine with the prefix;
// the drive becomes a drive letter of that prefix, so the programs see it
// as the current drive.
ProgramStarter WinePrograms(std::filesystem::path wine, std::filesystem::path prefix);
// Wine's program loader, when it is installed.
std::optional<std::filesystem::path> FindWine();

struct HostRequest {
  std::filesystem::path drive;   // the root of the drive
  std::string batch;             // Windows path on the drive, e.g. \jww\作図.bat
  std::vector<Point> points;     // one for each point the batch asks for
  ProgramStarter start;
  std::filesystem::path drawing;           // empty: drawing.txt in the batch's folder
  Attributes current{"0", "0", "1", "2"};  // Jw_cad's current layer group, layer, line type and colour
};

struct HostReport {
  std::vector<std::string> prompts;  // UTF-8: what the batch asked for, with the point given
  size_t added = 0;                  // records the program added to the drawing
  std::filesystem::path drawing, svg, png;
};

// Throws Error (leaving the drawing as it was) when the batch cannot be
// run, the points do not match its prompts, the program fails, or what it
// wrote back cannot be read.
HostReport RunBatch(const HostRequest& request);

// The records of a drawing file (none when it does not exist yet); throws
// Error for a line that is not a record.
std::vector<Record> ReadDrawing(const std::filesystem::path& file);

}  // namespace jw
