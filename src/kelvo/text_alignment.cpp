#include "kelvo/text_alignment.h"

#include <string>

#include "text/input_text.h"

namespace kelvo {

namespace {

// How far ahead of the last token a token is looked for: far enough to step
// over an expanded abbreviation or a dropped comment, near enough that a word
// is not matched in a later sentence.
constexpr std::size_t kSearchWindow = 400;

char fold(char c) {
  if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (c == 'j') return 'i';
  if (c == 'v') return 'u';
  return c;
}

}  // namespace

// The input as 8-bit folded letters, each with the input bytes it came from.
struct TokenAligner::Folded {
  std::string text;
  std::vector<std::size_t> begin, end;
};

namespace {

using FoldedText = TokenAligner::Folded;

FoldedText fold_input(std::string_view input) {
  text::EncodingDetector detector;
  detector.feed(input);
  const text::TextEncoding enc = detector.encoding();
  FoldedText f;
  f.text.reserve(input.size());
  std::string piece;
  for (std::size_t i = 0; i < input.size();) {
    std::size_t n = 1;
    if (enc == text::TextEncoding::utf8) {
      auto c = static_cast<unsigned char>(input[i]);
      n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
      if (i + n > input.size()) n = input.size() - i;
    }
    piece.clear();
    text::decode_append(input.substr(i, n), enc, piece);
    for (char c : piece) {
      f.text.push_back(fold(c));
      f.begin.push_back(i);
      f.end.push_back(i + n);
    }
    i += n;
  }
  return f;
}

// The folded position of `word` at or after `from`, within the window.
std::size_t find_from(const FoldedText& f, std::string_view word, std::size_t from) {
  if (word.empty() || from >= f.text.size()) return std::string::npos;
  std::string w;
  for (char c : word) w.push_back(fold(c));
  // Only the window is searched: a word the clean-up made is not looked for
  // through the rest of a long text.
  std::string_view window = std::string_view(f.text).substr(from, kSearchWindow + w.size());
  std::size_t at = window.find(w);
  return at == std::string_view::npos ? std::string::npos : from + at;
}

}  // namespace

TokenAligner::TokenAligner(std::string_view input)
    : input_(input), folded_(std::make_unique<Folded>(fold_input(input))) {}
TokenAligner::~TokenAligner() = default;

void TokenAligner::align(Sentence& s) {
  const FoldedText& f = *folded_;
  for (Token& t : s.tokens) {
    // A joined expression ("opus_est") is found by its first and last parts.
    std::string_view word = t.text;
    std::string_view first = word.substr(0, word.find('_'));
    std::string_view last = word.substr(word.rfind('_') + 1);
    if (word.find('_') == std::string_view::npos) last = first;
    std::size_t at = find_from(f, first, cursor_);
    // An enclitic read before its word stands after it in the text.
    if (at == std::string::npos) at = find_from(f, first, before_last_);
    if (at == std::string::npos) {
      std::size_t here = cursor_ < f.begin.size() ? f.begin[cursor_] : input_.size();
      t.begin = t.end = here;
      continue;
    }
    std::size_t stop = at + first.size();
    if (last.data() != first.data()) {
      std::size_t l = find_from(f, last, stop);
      if (l != std::string::npos) stop = l + last.size();
    }
    t.begin = f.begin[at];
    t.end = f.end[stop - 1];
    before_last_ = cursor_;
    if (stop > cursor_) cursor_ = stop;
  }
}

}  // namespace kelvo
