#include "app/text_codec.h"

#include <array>

namespace kelvo::app {

namespace {

// Windows-1252 0x80-0x9F; 0 where the code page leaves a hole.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

bool is_valid_utf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    auto c = static_cast<unsigned char>(bytes[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || (extra == 1 && c < 0xC2)) return false;
    if (extra > 0 && i + static_cast<std::size_t>(extra) >= bytes.size()) return false;
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
        return false;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

QString decode_text(std::string_view bytes) {
  if (is_valid_utf8(bytes))
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (char ch : bytes) {
    auto c = static_cast<unsigned char>(ch);
    char16_t u = c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : c;
    out.append(QChar(u ? u : c));
  }
  return out;
}

std::string to_utf8(const QString& text) { return text.toUtf8().toStdString(); }

std::string to_latin_8bit(const QString& word) {
  std::string out;
  for (QChar ch : word.normalized(QString::NormalizationForm_D)) {
    if (ch.category() == QChar::Mark_NonSpacing) continue;
    char16_t u = ch.unicode();
    if (u < 0x100) {
      out += static_cast<char>(u);
      continue;
    }
    char mapped = 0;
    for (std::size_t k = 0; k < kHigh.size(); ++k)
      if (kHigh[k] == u) mapped = static_cast<char>(0x80 + k);
    if (mapped) out += mapped;
  }
  return out;
}

// UTF-16 position of every byte offset of a UTF-8 text (offset size() too).
std::vector<int> utf16_positions(std::string_view text) {
  std::vector<int> pos(text.size() + 1);
  int units = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    pos[i] = units;
    auto c = static_cast<unsigned char>(text[i]);
    if ((c & 0xC0) == 0x80) continue;  // inside a letter: same position as its lead byte
    units += c >= 0xF0 ? 2 : 1;        // four-byte letters take two UTF-16 units
  }
  pos[text.size()] = units;
  return pos;
}

}  // namespace kelvo::app
