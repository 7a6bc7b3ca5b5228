// What the host reads of an external-transform batch: the directive lines
// "REM  #..." at its head, up to "REM  #e", and the program that follows the
// label ":EXE".
#pragma once

#include <string>
#include <vector>

namespace jw {

struct PointPrompt {
  int number;          // the picked point it asks for: 1 for "#0" and "#1", 2 for "#2" ...
  std::string prompt;  // the text after the directive, as written
};

struct Batch {
  std::vector<PointPrompt> points;  // in the order the user is asked
  bool handsDrawing = false;        // "#h1": the drawing goes into jwc_temp.txt
  std::string selectionPrompt;      // "#hc": the text shown while the figures are chosen
  std::string program;              // the first line after ":EXE"
};

// Throws Error for a file that is not an external-transform batch ("#jww"
// missing) or names no program.
Batch ParseBatch(const std::vector<std::string>& lines);

}  // namespace jw
