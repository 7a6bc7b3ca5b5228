// "配置部材選択メニュー": the pipe fitting catalogue. The user picks a family,
// a sheet and a part on the sheet picture, its sizes and its pose; "配置実行"
// writes the part to DrawData.txt, with a take-off marker when asked, and
// the choices to Input.ini. The dialog stays open for further placements.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "piping/PartCode.h"
#include "piping/PartFile.h"
#include "ui/Dialog.h"

namespace piping {

enum CatalogueId {
  kFamilyList = 1601,
  kSheetFirst = 1611,  // sheet buttons 1..6: 1611..1616
  kMainSize = 1621,
  kBranchSize = 1622,
  kRotationFirst = 1631,  // 0, 45 .. 315°: 1631..1638
  kAngle = 1641,
  kMirror = 1642,
  kReferenceFirst = 1651,  // reference points 0..8: 1651..1659
  kCurrentLayer = 1661,
  kTakeoff = 1662,
  kClassification = 1663,
  kClassificationLabel = 1664,
  kPipeKindBox = 1665,
  kPipeKindBoxLabel = 1666,
  kDistanceLabel = 1667,
  kDistanceHint = 1668,
  kDistance = 1669,
  kDistanceZero = 1670,
  kPlace = 1671,
  kAttributes = 1672,
  kPartName = 1673,
  kPartPreview = 1674,
  kCatalogueStatus = 1675,
};

// The sheet picture's cells: 5 columns of 49 and 4 rows of 45 pixels from
// (455, 11). Cell column + 5 × (row − 1), or 0 outside or on a boundary.
constexpr int kSheetLeft = 455, kSheetTop = 11, kCellWidth = 49, kCellHeight = 45;
int CellAt(int x, int y);

class CatalogueDialog : public ui::DialogHandler {
 public:
  explicit CatalogueDialog(ui::Env env);

  // The code of the part on screen, with its angle suffix.
  const std::string& partCode() const { return partCode_; }
  const std::string& partFile() const { return partFile_; }

 protected:
  void OnInit() override;
  void OnNotify(int id, ui::Notify what) override;
  void OnPaint(ui::Canvas& canvas) override;
  void OnMouseClick(int x, int y) override;

 private:
  enum Mode { kSheet = 0, kPart = 1, kBoth = 2, kPose = 3 };
  void SetUpFamily();
  void Refresh(Mode mode);
  void LoadSheet();
  void LoadPart();
  void BuildPlaced();
  void EnableTakeoffGroup(bool on);
  void EnableCombinedInputs();
  void SelectCell(int cell);
  void SetAngleFromButton(int index);
  void Place();
  bool Validate();
  std::vector<std::string> MarkerRadii();
  std::vector<std::string> DrawDataLines();
  std::vector<std::string> InputLines() const;
  void ReadAttributes();
  void DrawPart(ui::Canvas& canvas) const;

  int family_ = 0, sheet_ = 0, cell_ = 0;
  double angle_ = 0;
  std::vector<std::string> sheetPicture_;
  PartFile part_;
  PlacedPart placed_;
  std::string partCode_, partFile_;
  std::array<PartAttributes, 22> attributes_;
};

}  // namespace piping
