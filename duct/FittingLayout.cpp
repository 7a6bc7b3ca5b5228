#include "duct/FittingLayout.h"

#include "figure/RotationButtons.h"

namespace duct {

void AddFittingControls(ui::Layout& layout, const FittingIds& ids, int rotationGroup, ui::Point at,
                        const std::string& mirrorCaption) {
  const int x = at.x, y = at.y;
  if (ids.angle != ui::kNoId) {
    layout.Label(ui::kNoId, "角度=", {x, y + 2, 24, 10});
    layout.Edit(ids.angle, {x + 24, y, 34, 12}, ui::kCentred);
  }
  if (ids.mirror != ui::kNoId) layout.Check(ids.mirror, mirrorCaption, {x, y + 17, 60, 10});
  layout.Check(ids.currentLayer, "現在のレイヤに作図", {x, y + 31, 95, 10});
  if (ids.rotation[0] != ui::kNoId) figure::AddRotationButtons(layout, ids.rotation, {x + 140, y + 21}, rotationGroup);
  layout.Button(ids.update, "表示更新", {x, y + 46, 58, 15});
  layout.Label(ui::kNoId, "※数値を変更した場合は\n表示更新をクリック", {x + 62, y + 45, 108, 18}, ui::kMultiline);
  layout.Label(ids.status, "", {x, y + 67, 170, 12}, ui::kCentred);
  const unsigned placeFlags = ids.place == ui::kIdOk ? static_cast<unsigned>(ui::kDefault) : 0u;
  layout.Button(ids.place, "配置実行", {x + 20, y + 86, 62, 17}, placeFlags);
  layout.Button(ids.close, "終了", {x + 92, y + 86, 58, 17});
}

void AddGuideAnchor(ui::Layout& layout, int id, ui::Point at) { layout.Frame(id, {at.x, at.y, 6, 6}); }

void AddPreviewFrame(ui::Layout& layout, int id, ui::Rect rect) {
  layout.Label(ui::kNoId, "《プレビュー》", {rect.x, rect.y - 11, 60, 10});
  layout.Frame(id, rect, ui::kBorder);
}

}  // namespace duct
