#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "ui/System.h"

namespace ui {

namespace {

// Converts between encodings; a character the target cannot hold becomes "?"
// (as Windows substitutes its default character) instead of failing.
std::string Convert(std::string_view input, const char* from, const char* to) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error(std::string("iconv: ") + from + " -> " + to);
  std::string output;
  output.reserve(input.size() * 3 / 2 + 8);
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  char buffer[4096];
  while (inLeft > 0) {
    char* out = buffer;
    size_t outLeft = sizeof buffer;
    size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
    output.append(buffer, out);
    if (rc == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      // Invalid or unconvertible input: skip one character of it.
      output.push_back('?');
      size_t skip = 1;
      if (std::string_view(from) == "UTF-8") {
        unsigned char lead = static_cast<unsigned char>(*in);
        skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      }
      skip = std::min(skip, inLeft);
      in += skip;
      inLeft -= skip;
    }
  }
  iconv_close(cd);
  return output;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8) { return Convert(utf8, "UTF-8", "CP932"); }
std::string Cp932ToUtf8(std::string_view cp932) { return Convert(cp932, "CP932", "UTF-8"); }

std::filesystem::path ProgramFile() {
  std::error_code ec;
  std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : file;
}

std::vector<std::string> Arguments(int argc, char** argv) { return std::vector<std::string>(argv + 1, argv + argc); }

}  // namespace ui
