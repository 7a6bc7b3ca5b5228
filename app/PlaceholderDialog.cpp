#include "app/PlaceholderDialog.h"

namespace app {
namespace {

ui::Layout PlaceholderLayout(const std::string& caption) {
  ui::Layout layout;
  layout.caption = caption;
  layout.width = 200;
  layout.height = 70;
  layout.Label(ui::kNoId, "このコマンドは準備中です。", {10, 15, 180, 12}, ui::kCentred);
  layout.Button(ui::kIdCancel, "終了", {75, 42, 50, 16});
  return layout;
}

}  // namespace

PlaceholderDialog::PlaceholderDialog(ui::Env env, const std::string& caption)
    : DialogHandler(env, PlaceholderLayout(caption)) {}

}  // namespace app
