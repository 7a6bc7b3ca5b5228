// codepage_dump FILE: writes how the code page conversion treats every
// Unicode character, every byte and byte pair of Shift-JIS, and some broken
// UTF-8. The Wine tests compare what the Windows build writes with what the
// native build writes: the two conversions must agree byte for byte.
#include <cstdio>
#include <fstream>
#include <string>

#include "ui/HostFiles.h"
#include "ui/System.h"

namespace {

std::string Utf8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | c >> 6);
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | c >> 12);
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | c >> 18);
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

std::string Hex(const std::string& bytes) {
  std::string out;
  char part[4];
  for (unsigned char b : bytes) {
    std::snprintf(part, sizeof part, "%02X", b);
    out += part;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::string out;
  // Every character, a line each; converted in batches, as files are.
  std::string batch;
  auto flush = [&] {
    out += Hex(ui::Utf8ToCp932(batch)) + "\n";
    batch.clear();
  };
  for (char32_t c = 1; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    batch += Utf8(c) + "\n";
    if (c % 0x400 == 0) flush();
  }
  flush();
  // Every byte, and every pair led by a byte above 0x7F, back.
  std::string bytes;
  for (int a = 0; a < 256; ++a) bytes += static_cast<char>(a);
  out += Hex(ui::Cp932ToUtf8(bytes)) + "\n";
  for (int a = 0x80; a < 256; ++a) {
    bytes.clear();
    for (int b = 0; b < 256; ++b) {
      if (b == '\n') continue;
      bytes += static_cast<char>(a);
      bytes += static_cast<char>(b);
      bytes += '\n';
    }
    out += Hex(ui::Cp932ToUtf8(bytes)) + "\n";
  }
  // Broken UTF-8: stray continuation bytes, overlong forms, surrogates,
  // beyond U+10FFFF, sequences cut short at the end and in the middle.
  for (const char* broken : {"a\x80z", "\xC0\xAFz", "\xE0\x80\xAFz", "\xED\xA0\x80z", "\xF4\x90\x80\x80z",
                             "\xF8\x88\x80\x80\x80z", "\xE3\x81z\xE3\x81\x82", "\xE3\x81", "\xFFz", "\xC3"})
    out += Hex(ui::Utf8ToCp932(broken)) + "\n";
  std::ofstream file(ui::PathFromUtf8(argv[1]), std::ios::binary);
  file << out;
  return file ? 0 : 1;
}
