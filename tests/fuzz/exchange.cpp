// What Jw_cad hands the programs: the exchange file jwc_temp.txt (the
// drawing with its header lines, as the host and TakeoffRead read it) and
// the directive lines at the head of a batch. Parsed, the records written
// again and re-read, the circles extracted for the take-off: the exchange
// text written holds finite numbers only and reads back as it was written.
#include "jw/Exchange.h"
#include "jw/Files.h"
#include "jw/TakeoffRead.h"
#include "jw/host/Batch.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

std::vector<std::string> Rewritten(const std::vector<std::string>& lines) {
  jw::ExchangeWriter writer;
  for (const jw::Record& record : jw::Records(jw::ParseExchange(lines, "jwc_temp.txt"), {"0", "0", "1", "1"}))
    writer.Add(record);
  return writer.lines();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> lines = jw::LinesOf(fuzz::Bytes(data, size));
  try {
    jw::ParseBatch(lines);
  } catch (const jw::Error&) {
  }
  std::vector<jw::Item> items;
  try {
    items = jw::ParseExchange(lines, "jwc_temp.txt");
  } catch (const jw::Error&) {
    return 0;
  }
  jw::HasCheckLine(items);
  jw::PickedPoints(items);
  fuzz::CheckDrawingText(jw::MarkerExtract(items), "the marker extract");
  std::vector<std::string> written = Rewritten(lines);
  fuzz::CheckDrawingText(written, "the records written again");
  // An empty attribute of the input is not written (the one in force
  // stays), so the text settles from the second writing on.
  written = Rewritten(written);
  fuzz::Check(Rewritten(written) == written, "records written again read differently");
  return 0;
}
