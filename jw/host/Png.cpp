// The PNG of a picture: the strokes rasterised one pixel wide, then written
// as an 8-bit RGB image whose pixel data is deflated with the fixed Huffman
// code and matches against the pixel before and the row above, which is all
// a line drawing on white needs to come out small.
#include <array>
#include <cmath>
#include <cstdint>

#include "jw/host/Render.h"

namespace jw {
namespace {

using Bytes = std::vector<std::uint8_t>;

class Raster {
 public:
  Raster(int width, int height) : width_(width), height_(height), rgb_(size_t(width) * height * 3, 255) {}

  void Draw(const Stroke& stroke) {
    double travelled = 0;
    for (size_t i = 1; i < stroke.points.size(); ++i) {
      Point a = stroke.points[i - 1], b = stroke.points[i];
      double length = std::hypot(b.x - a.x, b.y - a.y);
      int steps = std::max(1, static_cast<int>(std::ceil(length * 4)));
      for (int k = 0; k <= steps; ++k) {
        double t = static_cast<double>(k) / steps;
        if (Inked(stroke.dashes, travelled + t * length)) Plot(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, stroke.colour);
      }
      travelled += length;
    }
  }

  // Rows, each led by filter byte 0 (none).
  Bytes Scanlines() const {
    Bytes rows;
    rows.reserve(size_t(height_) * (width_ * 3 + 1));
    for (int y = 0; y < height_; ++y) {
      rows.push_back(0);
      rows.insert(rows.end(), rgb_.begin() + size_t(y) * width_ * 3, rgb_.begin() + size_t(y + 1) * width_ * 3);
    }
    return rows;
  }

 private:
  static bool Inked(const std::vector<double>& dashes, double at) {
    if (dashes.empty()) return true;
    double period = 0;
    for (double d : dashes) period += d;
    double into = std::fmod(at, period);
    for (size_t i = 0; i < dashes.size(); ++i) {
      if (into < dashes[i]) return i % 2 == 0;
      into -= dashes[i];
    }
    return false;
  }

  void Plot(double x, double y, Rgb c) {
    int px = static_cast<int>(std::floor(x)), py = static_cast<int>(std::floor(y));
    if (px < 0 || py < 0 || px >= width_ || py >= height_) return;
    std::uint8_t* p = &rgb_[(size_t(py) * width_ + px) * 3];
    p[0] = c.r, p[1] = c.g, p[2] = c.b;
  }

  int width_, height_;
  Bytes rgb_;
};

// Bits in deflate order: values least significant bit first.
class BitWriter {
 public:
  void Bits(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
      if (used_ == 0) bytes_.push_back(0);
      bytes_.back() |= ((value >> i) & 1) << used_;
      used_ = (used_ + 1) % 8;
    }
  }
  // A Huffman code goes most significant bit first.
  void Code(std::uint32_t code, int length) {
    for (int i = length - 1; i >= 0; --i) Bits((code >> i) & 1, 1);
  }
  Bytes& bytes() { return bytes_; }

 private:
  Bytes bytes_;
  int used_ = 0;
};

void LiteralOrLength(BitWriter& out, int symbol) {
  if (symbol < 144) out.Code(0x30 + symbol, 8);
  else if (symbol < 256) out.Code(0x190 + symbol - 144, 9);
  else if (symbol < 280) out.Code(symbol - 256, 7);
  else out.Code(0xC0 + symbol - 280, 8);
}

void Match(BitWriter& out, int length, int distance) {
  static const int lengthBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                   31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
  static const int lengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
  static const int distanceBase[] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
                                     193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
  int l = 28;
  while (lengthBase[l] > length) --l;
  LiteralOrLength(out, 257 + l);
  out.Bits(length - lengthBase[l], lengthExtra[l]);
  int d = 29;
  while (distanceBase[d] > distance) --d;
  out.Code(d, 5);
  out.Bits(distance - distanceBase[d], d < 4 ? 0 : d / 2 - 1);
}

Bytes Deflate(const Bytes& data, size_t rowBytes) {
  BitWriter out;
  out.Bits(1, 1);  // the final block
  out.Bits(1, 2);  // fixed Huffman codes
  for (size_t i = 0; i < data.size();) {
    size_t best = 0, bestDistance = 0;
    for (size_t distance : {size_t(3), rowBytes}) {
      if (distance > i || distance > 32768) continue;
      size_t n = 0;
      while (n < 258 && i + n < data.size() && data[i + n] == data[i + n - distance]) ++n;
      if (n > best) best = n, bestDistance = distance;
    }
    if (best >= 3) {
      Match(out, static_cast<int>(best), static_cast<int>(bestDistance));
      i += best;
    } else {
      LiteralOrLength(out, data[i++]);
    }
  }
  LiteralOrLength(out, 256);
  return std::move(out.bytes());
}

std::uint32_t Crc32(const Bytes& bytes, size_t from) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xFFFFFFFFu;
  for (size_t i = from; i < bytes.size(); ++i) c = table[(c ^ bytes[i]) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const Bytes& bytes) {
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : bytes) a = (a + byte) % 65521, b = (b + a) % 65521;
  return (b << 16) | a;
}

void Put32(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void Chunk(Bytes& png, const char* type, const Bytes& data) {
  Put32(png, static_cast<std::uint32_t>(data.size()));
  size_t start = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), data.begin(), data.end());
  Put32(png, Crc32(png, start));
}

}  // namespace

std::string PngOf(const Picture& picture) {
  Raster raster(picture.width, picture.height);
  for (const Stroke& stroke : picture.strokes) raster.Draw(stroke);
  Bytes rows = raster.Scanlines();

  Bytes header;
  Put32(header, picture.width);
  Put32(header, picture.height);
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filtering choice, no interlace
  Bytes zlib = {0x78, 0x01};
  Bytes deflated = Deflate(rows, size_t(picture.width) * 3 + 1);
  zlib.insert(zlib.end(), deflated.begin(), deflated.end());
  Put32(zlib, Adler32(rows));

  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", zlib);
  Chunk(png, "IEND", {});
  return std::string(png.begin(), png.end());
}

}  // namespace jw
