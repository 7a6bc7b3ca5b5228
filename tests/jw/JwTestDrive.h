// A test drive for the Jw_cad side: the shipped data with the batches as the
// panel writes them, and the host stand-in running the native programs.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/BatchFile.h"
#include "jw/host/Host.h"
#include "tests/TestDrive.h"

namespace test {

class JwTestDrive : public TestDrive {
 public:
  // 作図.bat as the panel writes it before opening a command.
  void WriteBatch(app::BatchMode mode, const std::string& title = "一般両エルボ");
  // Runs a batch on the drive's drawing with the native programs.
  jw::HostReport Run(const std::string& batch, const std::vector<jw::Point>& points);
  // The drawing file's records, and its lines as written.
  std::vector<jw::Record> Drawing() const;
  std::vector<std::string> DrawingLines() const;
};

inline const char* const kFigureBatch = R"(\jww\作図.bat)";

}  // namespace test

namespace jw {
inline void PrintTo(const Attributes& a, std::ostream* out) {
  *out << "lg" << a.group << " ly" << a.layer << " lt" << a.type << " lc" << a.colour;
}
}  // namespace jw
