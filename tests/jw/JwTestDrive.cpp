#include "tests/jw/JwTestDrive.h"

#include "jw/Files.h"

namespace test {

void JwTestDrive::WriteBatch(app::BatchMode mode, const std::string& title) {
  app::WriteBatchFile(env(), mode, title);
}

jw::HostReport JwTestDrive::Run(const std::string& batch, const std::vector<jw::Point>& points) {
  jw::HostRequest request;
  request.drive = root();
  request.batch = batch;
  request.points = points;
  request.start = jw::NativePrograms(TAVRIN_JW_PROGRAMS);
  return jw::RunBatch(request);
}

std::vector<jw::Record> JwTestDrive::Drawing() const { return jw::ReadDrawing(root() / "jww" / "drawing.txt"); }

std::vector<std::string> JwTestDrive::DrawingLines() const { return jw::ReadLinesOf(root() / "jww" / "drawing.txt"); }

}  // namespace test
