// The commands of the panel: caption, the batch to write before the dialog
// opens, the dialog, and the number recorded after it closes.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/BatchFile.h"
#include "ui/Dialog.h"

namespace app {

using DialogFactory = std::unique_ptr<ui::DialogHandler> (*)(ui::Env);

// The factory of a dialog class, for the table: &Open<duct::GeneralElbow>.
template <class Dialog>
std::unique_ptr<ui::DialogHandler> Open(ui::Env env) {
  return std::make_unique<Dialog>(env);
}

struct Command {
  int buttonId;
  std::string caption;
  std::optional<std::string> title;  // batch written only with a title
  BatchMode mode;
  std::optional<int> number;  // Command.ini written only with a number
  DialogFactory open;
};

// Button groups of the panel.
constexpr int kDuctGroup = 1;
constexpr int kPipeGroup = 2;
constexpr int kPresetGroup = 3;

const std::vector<Command>& DuctCommands();
const std::vector<Command>& PipeCommands();
const Command* FindCommand(int buttonId);

}  // namespace app
