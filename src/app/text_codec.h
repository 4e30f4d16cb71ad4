// Bytes from files and from the core as the window's text: UTF-8 when the
// bytes are valid UTF-8, else Windows-1252 (the 8-bit Latin texts).
#pragma once
#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo::app {

bool is_valid_utf8(std::string_view bytes);
QString decode_text(std::string_view bytes);
inline QString decode_text(const QByteArray& bytes) {
  return decode_text(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
// The same text as UTF-8 bytes (what the core and the token offsets use).
std::string to_utf8(const QString& text);
// The UTF-16 position (as a pane counts) of every byte offset of a UTF-8
// text, the offset size() included.
std::vector<int> utf16_positions(std::string_view utf8);
// Windows-1252 bytes of a word, for the word's own analysis; letters outside
// it (after folding marks) are kept as they are.
std::string to_latin_8bit(const QString& word);

}  // namespace kelvo::app
