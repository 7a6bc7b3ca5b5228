// The command panel: the program's main window. Its buttons open the command
// dialogs, writing the placement batch before and the command log after each;
// its preset buttons choose the line attributes of every duct drawn afterwards.
#pragma once

#include "app/CommandTable.h"
#include "ui/Dialog.h"

namespace app {

// Control ids of the panel.
enum PanelId {
  kPresetFirst = 1301,  // preset buttons 1301..1306
  kAttributeButton = 1307,
  kHelpButton = 1401,
  kStatusLabel = 1402,
};

class CommandPanel : public ui::DialogHandler {
 public:
  explicit CommandPanel(ui::Env env);

 protected:
  void OnInit() override;
  // The panel is the program: it stays open, and its commands still work.
  void OnOpeningFailed() override {}
  void OnNotify(int id, ui::Notify what) override;
  void OnOk() override {}  // Enter does not close the panel

 private:
  void SelectPreset(int k);
  void RefreshStatus();
  void Open(const Command& command);
  void OpenAttributeDialog();
  void Help();
};

}  // namespace app
