#include "piping/PipeFiles.h"

#include "settings/Paths.h"
#include "ui/Text.h"

namespace piping {

const char* const kRoundDuct = "丸ダクト";

std::vector<SizeEntry> ReadSizeList(const ui::Drive& drive, const std::string& file) {
  std::vector<SizeEntry> sizes;
  for (const std::string& line : drive.ReadLines(settings::HaikanFile(file)))
    sizes.push_back({ui::GetListField(line, 1, ','), ui::GetListField(line, 2, ',')});
  return sizes;
}

std::vector<std::string> ReadPipeKinds(const ui::Drive& drive, int listType) {
  return drive.ReadLines(settings::HaikanFile("KanName" + std::to_string(listType) + ".ini"));
}

AttributeFields SplitAttributeGroup(const std::string& group) {
  auto field = [&](int n) { return ui::GetListField(group, n, '-'); };
  return {field(1) + "-" + field(2), field(3) + "-" + field(4)};
}

std::string JoinAttributeGroup(const std::string& layer, const std::string& typeColour) {
  return layer + "-" + typeColour;
}

}  // namespace piping
