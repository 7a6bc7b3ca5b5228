// The system's side of ui/System.h on Windows.
#include <windows.h>
#include <shellapi.h>

#include "ui/System.h"
#include "ui/win32/Wide.h"

namespace ui {

namespace win32 {

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

std::string Utf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n, nullptr, nullptr);
  return utf8;
}

}  // namespace win32

namespace {

using win32::Utf8;
constexpr UINT kShiftJis = 932;

// The code page's own table converts a character both ways or not at all
// (no "best fit"); besides that, the conversion of the Linux build takes
// these few characters one way only, and drops the Unicode tag characters.
struct OneWay {
  char32_t code;
  const char* bytes;
};
constexpr OneWay kOneWay[] = {{0x00A2, "\x81\x91"}, {0x00A3, "\x81\x92"}, {0x00A5, "\x5C"},
                              {0x00AC, "\x81\xCA"}, {0x2014, "\x81\x5C"}, {0x2016, "\x81\x61"},
                              {0x203E, "\x7E"},     {0x2212, "\x81\x7C"}, {0x301C, "\x81\x60"}};
bool IsTag(char32_t code) { return code >= 0xE0000 && code <= 0xE007F; }

const char* OneWayBytes(char32_t code) {
  for (const OneWay& one : kOneWay)
    if (one.code == code) return one.bytes;
  return nullptr;
}

// What is skipped of input that starts no valid character: the length its
// first byte announces (one for a byte that announces nothing).
size_t AnnouncedLength(unsigned char lead) { return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1; }

// One strictly valid UTF-8 character at the start of the text: no overlong
// forms, no surrogates, nothing beyond U+10FFFF, nothing cut short.
bool DecodeUtf8(std::string_view text, char32_t& code, size_t& length) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(0);
  if (lead < 0x80) return code = lead, length = 1, true;
  if (lead < 0xC2 || lead > 0xF4) return false;
  length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (text.size() < length) return false;
  code = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return false;
    code = code << 6 | (byte(i) & 0x3F);
  }
  const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  return code >= least[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

// The code page's bytes for text that converts directly, or false.
bool DirectToShiftJis(std::wstring_view wide, std::string& bytes) {
  if (wide.empty()) return bytes.clear(), true;
  BOOL defaulted = FALSE;
  int n = WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                              "?", &defaulted);
  if (n <= 0 || defaulted) return false;
  bytes.resize(n);
  WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), bytes.data(), n,
                      "?", &defaulted);
  return !defaulted;
}

std::wstring Utf16(char32_t code) {
  if (code < 0x10000) return std::wstring(1, static_cast<wchar_t>(code));
  code -= 0x10000;
  return {static_cast<wchar_t>(0xD800 + (code >> 10)), static_cast<wchar_t>(0xDC00 + (code & 0x3FF))};
}

// Single bytes that the Windows table maps to characters of its own, which
// the code page does not define, both ways.
bool IsUndefinedByte(unsigned char byte) { return byte == 0x80 || byte == 0xA0 || byte >= 0xFD; }
bool IsWindowsOwn(char32_t code) { return code == 0x80 || (code >= 0xF8F0 && code <= 0xF8F3); }
bool IsLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// The characters of text that is valid in the code page, or false.
bool DirectFromShiftJis(std::string_view bytes, std::wstring& wide) {
  if (bytes.empty()) return wide.clear(), true;
  int n = MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  if (n <= 0) return false;
  wide.resize(n);
  MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
  return true;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8) {
  // Most text converts in one call; text with characters the table does not
  // hold is taken character by character.
  std::string out;
  std::wstring wide;
  int n = utf8.empty() ? 0
                       : MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                                             nullptr, 0);
  if (utf8.empty() || n > 0) {
    wide.resize(n);
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    bool special = false;
    for (size_t i = 0; i < wide.size() && !special; ++i) {
      wchar_t c = wide[i];
      special = (c >= 0xD800 && c <= 0xDFFF) || OneWayBytes(c) || IsWindowsOwn(c);
    }
    if (!special && DirectToShiftJis(wide, out)) return out;
  }
  out.clear();
  for (size_t i = 0; i < utf8.size();) {
    char32_t code;
    size_t length;
    std::string bytes;
    if (!DecodeUtf8(utf8.substr(i), code, length)) {
      out += '?';
      i += std::min(AnnouncedLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
      continue;
    }
    i += length;
    if (const char* one = OneWayBytes(code)) out += one;
    else if (IsTag(code)) continue;
    else if (IsWindowsOwn(code)) out += '?';
    else out += DirectToShiftJis(Utf16(code), bytes) ? bytes : "?";
  }
  return out;
}

std::string Cp932ToUtf8(std::string_view cp932) {
  std::wstring wide;
  bool undefined = false;
  if (DirectFromShiftJis(cp932, wide)) {
    for (wchar_t c : wide) undefined = undefined || IsWindowsOwn(c);
    if (!undefined) return Utf8(wide);
  }
  std::string out;
  for (size_t i = 0; i < cp932.size();) {
    unsigned char byte = static_cast<unsigned char>(cp932[i]);
    size_t length = IsLeadByte(byte) ? 2 : 1;
    std::wstring character;
    if (!IsUndefinedByte(byte) && i + length <= cp932.size() &&
        DirectFromShiftJis(cp932.substr(i, length), character)) {
      out += Utf8(character);
      i += length;
    } else {
      out += '?';
      i += 1;
    }
  }
  return out;
}

std::filesystem::path ProgramFile() {
  std::wstring file(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, file.data(), static_cast<DWORD>(file.size()));
    if (n == 0) return {};
    if (n < file.size()) return std::filesystem::path(file.substr(0, n));
    file.resize(file.size() * 2);
  }
}

// The command line as Windows keeps it, in UTF-16: the arguments the C
// runtime hands main() are in the ANSI code page, which cannot hold every name.
std::vector<std::string> Arguments(int, char**) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> result;
  for (int i = 1; i < count; ++i) result.push_back(Utf8(arguments[i]));
  LocalFree(arguments);
  return result;
}

}  // namespace ui
