#include "app/Programs.h"

namespace app {
namespace fs = std::filesystem;

namespace {

constexpr const char* kExeFolder = R"(\Tavrin\exe\)";

void CopyProgram(const fs::path& from, const fs::path& to, fs::file_time_type time) {
  ui::WriteFileAtomically(to, ui::ReadFileBytes(from));
  std::error_code ec;
  fs::last_write_time(to, time, ec);
  if (ec) throw ui::FileError(to, true);
}

}  // namespace

fs::path ShippedPrograms(const fs::path& shipped) {
  std::error_code ec;
  const fs::path installed = shipped / "Tavrin" / "exe";
  if (fs::exists(installed / kPlacingPrograms[0], ec)) return installed;
  return fs::path(TAVRIN_BUILT_PROGRAMS);
}

int UpdatePrograms(const ui::Drive& drive, const fs::path& programs) {
  int copied = 0;
  for (const char* name : kPlacingPrograms) {
    std::error_code ec;
    const fs::path from = programs / name;
    const fs::file_time_type shippedTime = fs::last_write_time(from, ec);
    if (ec) continue;  // not built
    const fs::path to = drive.Locate(std::string(kExeFolder) + name);
    const fs::file_time_type driveTime = fs::last_write_time(to, ec);
    if (!ec && driveTime >= shippedTime) continue;
    fs::create_directories(to.parent_path(), ec);
    CopyProgram(from, to, shippedTime);
    ++copied;
  }
  return copied;
}

std::optional<std::string> MissingProgram(const ui::Drive& drive) {
  for (const char* name : kPlacingPrograms)
    if (!drive.Exists(std::string(kExeFolder) + name)) return name;
  return std::nullopt;
}

}  // namespace app
