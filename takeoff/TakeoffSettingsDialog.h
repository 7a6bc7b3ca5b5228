// "積算設定": the name lists that take-off markers refer to by position, and
// the layers on which the marker circles are drawn (SekisanSet.ini).
#pragma once

#include <string>

#include "ui/Dialog.h"
#include "ui/Drive.h"

namespace takeoff {

enum TakeoffSettingsId {
  kListFirst = 1001,  // the seven list buttons, 1001..1007
  kEntries = 1010,
  kInput = 1011,
  kAddFirst = 1020,
  kAddLast = 1021,
  kInsertAtSelection = 1022,
  kReplaceSelection = 1023,
  kDeleteSelection = 1024,
  kFittingOwnLayer = 1030,
  kFittingFixedLayer = 1031,
  kFittingGroup = 1032,
  kFittingLayer = 1033,
  kPipeOwnLayer = 1040,
  kPipeFixedLayer = 1041,
  kPipeGroup = 1042,
  kPipeLayer = 1043,
};

constexpr int kListCount = 7;

// The list file of button 0..6, in \Tavrin\HaikanSet\.
const char* ListFile(int list);

class TakeoffSettingsDialog : public ui::DialogHandler {
 public:
  explicit TakeoffSettingsDialog(ui::Env env);

 protected:
  void OnInit() override;
  void OnNotify(int id, ui::Notify what) override;
  void OnOk() override;

 private:
  void ShowList(int list);
  // The list shown, as its file is to be written.
  ui::Drive::Lines ShownList() const;
  void AddEntry(int id);
  void DeleteSelected();
  // The three buttons that act on the selected entry work only with one.
  void EnablePositionButtons();
  bool Acceptable(const std::string& text);

  int list_ = 0;
};

}  // namespace takeoff
