// "線属性設定": the line attributes of the pipe lines, one line per pipe name
// (HaikanSet.ini).
#pragma once

#include "piping/PipeFiles.h"
#include "ui/Dialog.h"

namespace piping {

// Row r (0..12): name label kPipeNameLabel + r, fields kPipeLayer + r and
// kPipeTypeColour + r.
enum PipeLineAttributeId {
  kPipeNameLabel = 1400,
  kPipeLayer = 1420,
  kPipeTypeColour = 1440,
};

class PipeLineAttributeDialog : public ui::DialogHandler {
 public:
  explicit PipeLineAttributeDialog(ui::Env env);

 protected:
  void OnInit() override;
  // Writes the file when every row is valid; closes in either case.
  void OnOk() override;
};

}  // namespace piping
