// The external-transform batch that Jw_cad runs to place what a command
// prepared, the choice of the Jw_cad folder it goes into, and the one-line
// command log.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/Services.h"

namespace app {

enum class BatchMode { Figure = 0, StraightDuct = 1, PipeLine = 3 };

// The lines of 作図.bat for the mode; the title goes into the placement prompt.
std::vector<std::string> BatchLines(BatchMode mode, const std::string& title);

// Where 作図.bat goes, by Path.ini and the Jw_cad copies present; nothing
// when the installation does not match Path.ini (the message names the fix).
struct HostLocation {
  std::optional<std::string> batchPath;
  std::string message;  // shown under the title "環境確認" when nothing is written
};
HostLocation DecideHostLocation(const ui::Drive& drive);

// Writes 作図.bat for the mode, or shows why it cannot and writes nothing.
void WriteBatchFile(ui::Env env, BatchMode mode, const std::string& title);

// Writes the number of the command last used to Command.ini.
void RecordCommand(const ui::Drive& drive, int number);

}  // namespace app
