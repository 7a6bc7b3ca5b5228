// "角ダクト属性設定": edits the six line-attribute presets, their memos and
// the common duct lengths.
#pragma once

#include "ui/Dialog.h"

namespace settings {

// Control ids: memo of preset c is kMemo + c; the fields of preset c and
// slot r are kLayer + 10 (c - 1) + r and kTypeColour + 10 (c - 1) + r.
enum AttributeId {
  kMemo = 1500,
  kLayer = 2000,
  kTypeColour = 3000,
  kAngleWidth = 1701,
  kFlange = 1702,
  kFrameMargin = 1703,  // hidden, carried unchanged
  kHatchWidth = 1704,
  kLineTypeName = 1800,  // hidden names 1801..1811
};

int LayerField(int preset, int slot);
int TypeColourField(int preset, int slot);

class AttributeDialog : public ui::DialogHandler {
 public:
  explicit AttributeDialog(ui::Env env);

 protected:
  void OnInit() override;
  // "OK", Esc and the close box save and close.
  void OnCancel() override;

 private:
  bool Save();
};

}  // namespace settings
