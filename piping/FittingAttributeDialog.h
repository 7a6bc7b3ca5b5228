// "配管継手・部材属性設定": the line attributes of the solid part, the hidden
// part and the centre line of catalogue parts, per fitting family
// (TugiteSet.ini, one line per family).
#pragma once

#include <string>
#include <vector>

#include "ui/Dialog.h"

namespace piping {

enum FittingAttributeId {
  kFamilyBox = 1301,
  kFamilyHeading = 1302,
  // Layer field of part p (0 solid, 1 hidden, 2 centre) is kPartLayer + p,
  // its type-colour field kPartTypeColour + p.
  kPartLayer = 1310,
  kPartTypeColour = 1320,
};

class FittingAttributeDialog : public ui::DialogHandler {
 public:
  explicit FittingAttributeDialog(ui::Env env);

 protected:
  void OnInit() override;
  void OnNotify(int id, ui::Notify what) override;
  // "OK" and Enter store the family on screen with the others; Esc and the
  // close box leave the file as it was.
  void OnOk() override;

 private:
  void ShowFamily(int family);
  void StoreFamily();

  std::vector<std::string> lines_;  // one per family
  int family_ = 0;
};

}  // namespace piping
