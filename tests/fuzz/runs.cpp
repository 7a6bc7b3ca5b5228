// The files of the two programs that draw runs between two picked points,
// as they read them: Choku.ini and ChokuSet.ini for DuctRun, Haikan.ini and
// KanSekisan.ini for PipeRun. The first byte of the input chooses the
// program (even: DuctRun), the rest holds both files split at the first NUL
// byte. Each program either refuses its files or draws with finite numbers.
#include "jw/DuctRun.h"
#include "jw/Exchange.h"
#include "jw/Files.h"
#include "jw/PipeRun.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  bool duct = data[0] % 2 == 0;
  std::string_view input = fuzz::Bytes(data + 1, size - 1);
  size_t split = std::min(input.find('\0'), input.size());
  std::vector<std::string> first = jw::LinesOf(input.substr(0, split));
  std::vector<std::string> second = jw::LinesOf(input.substr(std::min(split + 1, input.size())));
  const std::pair<jw::Point, jw::Point> runs[] = {
      {{0, 0}, {3000, 0}}, {{100, 100}, {-2000, 1500}}, {{5, 5}, {5, 5}}, {{1e300, 0}, {-1e300, 1}}};
  for (const auto& [from, to] : runs) {
    try {
      fuzz::CheckDrawingText(duct ? jw::DrawDuct(first, second, from, to) : jw::DrawPipe(first, second, from, to),
                             duct ? "the duct" : "the pipe");
    } catch (const jw::Error&) {
    }
  }
  return 0;
}
