// Code page 932 at the file boundary: any bytes decode to UTF-8 lines, and
// what was decoded is encoded and decoded again unchanged.
#include "tests/fuzz/FuzzSupport.h"
#include "ui/Drive.h"

namespace {

bool ValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes = fuzz::Bytes(data, size);
  std::string text = ui::Cp932ToUtf8(bytes);
  fuzz::Check(ValidUtf8(text), "decoded text is not UTF-8");
  fuzz::Check(ui::Cp932ToUtf8(ui::Utf8ToCp932(text)) == text, "decoded text changes through encoding");
  std::string encoded = ui::Utf8ToCp932(bytes);
  fuzz::Check(ui::Utf8ToCp932(ui::Cp932ToUtf8(encoded)) == encoded, "encoded text changes through decoding");
  for (const std::string& line : ui::DecodeLines(bytes))
    fuzz::Check(line.find('\n') == std::string::npos, "a line holds a line end");
  return 0;
}
