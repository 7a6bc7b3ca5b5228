#include "jw/host/Batch.h"

#include "jw/Exchange.h"
#include "ui/Text.h"

namespace jw {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool IsDirective(std::string_view line, std::string_view& directive) {
  if (!line.starts_with("REM") || line.size() < 4 || (line[3] != ' ' && line[3] != '\t')) return false;
  std::string_view rest = Trim(line.substr(3));
  if (!rest.starts_with("#")) return false;
  directive = rest.substr(1);
  return true;
}

}  // namespace

Batch ParseBatch(const std::vector<std::string>& lines) {
  Batch batch;
  bool jww = false, directives = true;
  size_t exe = lines.size();
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = Trim(lines[i]);
    if (ui::CompareNoCase(line, ":EXE") == 0) {
      exe = i;
      break;
    }
    std::string_view d;
    if (!directives || !IsDirective(line, d)) continue;
    if (d == "jww") {
      jww = true;
    } else if (d == "e") {
      directives = false;
    } else if (d == "h1") {
      batch.handsDrawing = true;
    } else if (d.starts_with("hc")) {
      batch.selectionPrompt = std::string(Trim(d.substr(2)));
    } else if (!d.empty() && d[0] >= '0' && d[0] <= '9') {
      batch.points.push_back({std::max(1, d[0] - '0'), std::string(Trim(d.substr(1)))});
    }
  }
  if (!jww) throw Error("外部変形のバッチファイルではありません（#jww の行がありません）。");
  for (size_t i = exe + 1; i < lines.size() && batch.program.empty(); ++i) batch.program = Trim(lines[i]);
  if (batch.program.empty()) throw Error("バッチファイルの :EXE の後に実行するプログラムがありません。");
  return batch;
}

}  // namespace jw
