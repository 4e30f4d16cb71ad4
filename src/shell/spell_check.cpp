#include "shell/spell_check.h"

#include <algorithm>

#include "base/text.h"
#include "text/input_text.h"

namespace kelvo::shell {

namespace {

bool stripped_mark(char c) {
  static constexpr std::string_view kMarks = ",.;:'!?()[]\" \n\t";
  return kMarks.find(c) != std::string_view::npos;
}

bool separator(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// One character (a UTF-8 sequence or a Windows-1252 byte) of rich text.
void append_rtf_char(std::string& out, std::string_view text, std::size_t& i, bool utf8) {
  const auto c = static_cast<unsigned char>(text[i]);
  if (c == '\\' || c == '{' || c == '}') {
    out += '\\';
    out += static_cast<char>(c);
    ++i;
    return;
  }
  if (c < 0x80 || !utf8) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\'";
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    }
    ++i;
    return;
  }
  const std::size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
  std::uint32_t cp = c & (len == 2 ? 0x1F : len == 3 ? 0x0F : 0x07);
  for (std::size_t k = 1; k < len && i + k < text.size(); ++k)
    cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
  i += len;
  // \uN takes a signed 16-bit number; letters beyond the first plane as a pair.
  auto unit = [&out](std::uint32_t u) {
    out += "\\u" + std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(u))) + "?";
  };
  if (cp >= 0x10000) {
    cp -= 0x10000;
    unit(0xD800 + (cp >> 10));
    unit(0xDC00 + (cp & 0x3FF));
  } else {
    unit(cp);
  }
}

}  // namespace

void append_unread_words(const Sentence& sentence, std::vector<UnreadWord>& out) {
  for (const Token& t : sentence.tokens)
    if (!t.punctuation && t.readings.empty()) out.push_back({t.begin, t.end, t.text});
}

std::string written_form(std::string_view text, const UnreadWord& word) {
  if (word.begin < word.end && word.end <= text.size())
    return std::string(text.substr(word.begin, word.end - word.begin));
  return word.text;
}

std::string checked_form(std::string_view word) {
  std::string w = latin_spelling(word);
  while (!w.empty() && stripped_mark(w.back())) w.pop_back();
  if (!w.empty() && stripped_mark(w.front())) w.erase(0, 1);
  return w;
}

std::vector<SpellLine> mark_words(std::string_view text, const std::vector<UnreadWord>& unread_words) {
  // An enclitic read before its word is placed after it: order by place.
  std::vector<UnreadWord> unread = unread_words;
  std::stable_sort(unread.begin(), unread.end(),
                   [](const UnreadWord& a, const UnreadWord& b) { return a.begin < b.begin; });
  std::vector<SpellLine> lines(1);
  auto next_unread = unread.cbegin();
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '\n') {
      lines.emplace_back();
      ++i;
      continue;
    }
    if (separator(text[i])) {
      ++i;
      continue;
    }
    SpellWord w;
    w.begin = i;
    while (i < text.size() && !separator(text[i])) ++i;
    w.end = i;
    const std::string checked = checked_form(text.substr(w.begin, w.end - w.begin));
    // Words the clean-up made sit at or before the word that follows them.
    while (next_unread != unread.cend() && next_unread->begin < w.begin) ++next_unread;
    const bool holds_unread = next_unread != unread.cend() && next_unread->begin < w.end;
    if (checked.empty() || static_cast<unsigned char>(checked[0]) < 'A') {
      w.mark = SpellMark::not_a_word;
    } else if (holds_unread) {
      w.mark = SpellMark::unread;
    }
    lines.back().push_back(w);
  }
  return lines;
}

std::string spell_check_rtf(std::string_view text, const std::vector<SpellLine>& lines) {
  text::EncodingDetector detector;
  detector.feed(text);
  const bool utf8 = detector.encoding() == text::TextEncoding::utf8;
  std::string out = "{\\rtf1 {SPELL-CHECK\\par}\n";
  for (const SpellLine& line : lines) {
    out += '{';
    for (const SpellWord& w : line) {
      const bool underlined = w.mark != SpellMark::known;
      if (underlined) out += " \\ul ";
      for (std::size_t i = w.begin; i < w.end;) append_rtf_char(out, text, i, utf8);
      out += underlined ? "}{ " : " ";
    }
    out += "\\par }\n";
  }
  out += "\\par }\n";
  return out;
}

}  // namespace kelvo::shell
