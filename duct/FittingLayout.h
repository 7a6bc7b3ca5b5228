// Layout pieces every fitting dialog carries, so that the dialogs look alike.
#pragma once

#include "duct/FittingDialog.h"
#include "ui/Layout.h"

namespace duct {

// The block of shared controls, 170 × 114 dialog units from `at`: "角度="
// and its box, the rotation buttons around "回転", "左右反転" (each when the
// dialog has them), "現在のレイヤに作図", "表示更新" with its hint, the
// status label, "配置実行" (the default button) and "終了". Fittings drawn
// along their length flip with "上下反転" instead of "左右反転".
void AddFittingControls(ui::Layout& layout, const FittingIds& ids, int rotationGroup, ui::Point at,
                        const std::string& mirrorCaption = "左右反転");

// The guide anchor (an invisible corner the sketch is drawn from) and the
// preview frame with its caption "《プレビュー》" above it.
void AddGuideAnchor(ui::Layout& layout, int id, ui::Point at);
void AddPreviewFrame(ui::Layout& layout, int id, ui::Rect rect);

}  // namespace duct
