#include "kelvo/text_alignment.h"

#include <algorithm>
#include <array>
#include <string>

#include "grammar/codes.h"
#include "text/input_text.h"

namespace kelvo {

namespace {

// How many words a token may be looked for beyond the place it was expected,
// and how many tokens after it must then follow in their places: a word the
// clean-up rewrote, or a run of them, is stepped over; a token that the input
// lacks is not matched to a later word that happens to be like it.
struct Reach {
  int words;
  int confirming;
};
constexpr Reach kNearReach{2, 1};
constexpr Reach kFarReach{12, 2};

bool is_letter(char c) { return c >= 'a' && c <= 'z'; }
bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }
bool is_mark(char c) {
  return c == ';' || grammar::kPunctuationChars.find(c) != std::string_view::npos;
}

// An ASCII character folded as the clean-up folds it: small letters, i for j
// and y, u for v, the backquote a plain quote.
char fold_ascii(unsigned char c) {
  if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
  if (c == 'j' || c == 'y') return 'i';
  if (c == 'v') return 'u';
  return c == '`' ? '\'' : static_cast<char>(c);
}

// One 8-bit character folded: as fold_ascii, and accents off, ligatures
// spelt out, typographic quotes plain.
int fold8(unsigned char c, char* out) {
  if (c < 0x80) {
    out[0] = fold_ascii(c);
    return 1;
  }
  switch (c) {
    case 0xE6: case 0xC6: out[0] = 'a'; out[1] = 'e'; return 2;
    case 0x9C: case 0x8C: out[0] = 'o'; out[1] = 'e'; return 2;
    case 0xE0: case 0xE1: case 0xE4: out[0] = 'a'; return 1;
    case 0xE8: case 0xE9: case 0xEA: case 0xEB: out[0] = 'e'; return 1;
    case 0xEC: case 0xED: case 0xEF: out[0] = 'i'; return 1;
    case 0xF2: case 0xF3: case 0xF6: out[0] = 'o'; return 1;
    case 0xF9: case 0xFA: case 0xFC: out[0] = 'u'; return 1;
    case 0x91: case 0x92: out[0] = '\''; return 1;
    case 0x93: case 0x94: out[0] = '"'; return 1;
    default: out[0] = static_cast<char>(c); return 1;
  }
}

// The token as the input's characters fold: itself when folding changes
// nothing (nearly always: the clean-up has folded it), else a copy in `out`.
std::string_view fold_token(std::string_view text, std::string& out) {
  const bool folded = std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= 'a' && c <= 'z' && c != 'j' && c != 'v' && c != 'y') || c == '_';
  });
  if (folded) return text;
  out.clear();
  char buf[2];
  for (char c : text) {
    if (c == '_') {
      out.push_back('_');
      continue;
    }
    out.append(buf, static_cast<std::size_t>(fold8(static_cast<unsigned char>(c), buf)));
  }
  return out;
}

}  // namespace

// The folded characters of the input from a byte on, each with the input
// bytes it came from; a character the clean-up drops folds to nothing.
class TokenAligner::Reader {
 public:
  Reader(std::string_view input, bool utf8, std::size_t at) : input_(input), utf8_(utf8), at_(at) {
    load();
  }
  bool done() const { return n_ == 0; }
  char peek() const { return chars_[k_]; }
  std::size_t begin() const { return at_; }  // the input byte of the current character
  std::size_t after() const { return next_; }  // the input byte after it
  void advance() {
    if (++k_ < n_) return;
    at_ = next_;
    load();
  }

 private:
  void load() {
    k_ = n_ = 0;
    while (at_ < input_.size()) {
      // The preparation skips a line with "--" in its first five characters.
      if ((at_ == 0 || input_[at_ - 1] == '\n') &&
          input_.substr(at_, 5).substr(0, input_.substr(at_, 5).find('\n')).find("--") !=
              std::string_view::npos) {
        const std::size_t end = input_.find('\n', at_);
        at_ = end == std::string_view::npos ? input_.size() : end;
        continue;
      }
      const auto c = static_cast<unsigned char>(input_[at_]);
      if (!utf8_ || c < 0x80) {
        next_ = at_ + 1;
        n_ = fold8(c, chars_.data());
        return;
      }
      std::size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
      next_ = std::min(input_.size(), at_ + len);
      std::string decoded;  // a character or two: no allocation
      text::decode_append(input_.substr(at_, next_ - at_), text::TextEncoding::utf8, decoded);
      for (char d : decoded)
        if (n_ + 2 <= static_cast<int>(chars_.size()))
          n_ += fold8(static_cast<unsigned char>(d), chars_.data() + n_);
      if (n_ > 0) return;
      at_ = next_;
    }
  }

  std::string_view input_;
  bool utf8_;
  std::size_t at_, next_ = 0;
  std::array<char, 8> chars_{};
  int n_ = 0, k_ = 0;
};

namespace {

using Reader = TokenAligner::Reader;

struct Span {
  std::size_t begin = std::string::npos, end = 0;
  bool found() const { return begin != std::string::npos; }
};

void skip_while(Reader& r, bool (*pred)(char)) {
  while (!r.done() && pred(r.peek())) r.advance();
}

// The folded word read at the reader's place. `joined`: blanks of the input may
// fall inside it (a joined expression written as two words).
Span match_word(Reader r, std::string_view word, bool joined) {
  Span s;
  s.begin = r.begin();
  for (char t : word) {
    if (t == '_') {  // "M_Tullius" for "M. Tullius"
      skip_while(r, [](char c) { return !is_letter(c); });
      continue;
    }
    // Characters the clean-up drops from inside a word (digits, symbols).
    skip_while(r, [](char c) { return !is_letter(c) && !is_blank(c) && !is_mark(c); });
    if (joined) skip_while(r, is_blank);
    if (r.done() || r.peek() != t) return {};
    s.end = r.after();
    r.advance();
  }
  return s;
}

// A word at the first letter from `from`, in the forms the clean-up gives it.
Span find_word_at(std::string_view input, bool utf8, std::size_t from, std::string_view word) {
  Reader r(input, utf8, from);
  skip_while(r, [](char c) { return !is_letter(c); });
  if (r.done()) return {};
  for (bool joined : {false, true}) {
    if (Span s = match_word(r, word, joined); s.found()) return s;
    // "hymnus" for "ymnus": the clean-up puts an h before an initial y.
    if (word.size() > 1 && word[0] == 'h' && word[1] == 'i')
      if (Span s = match_word(r, word.substr(1), joined); s.found()) return s;
  }
  // A joined expression whose later part was rewritten: its first part.
  if (auto us = word.find('_'); us != std::string::npos && us > 0)
    return match_word(r, word.substr(0, us), false);
  return {};
}

// The same as find_word_at for the common case, without the reader: plain
// ASCII from `from` to the word's end, no line skipped on the way, and each
// letter of the input folding to the word's own. Not found otherwise, for
// find_word_at to decide.
Span quick_word_at(std::string_view input, std::size_t from, std::string_view word) {
  auto comment_line = [&](std::size_t at) {  // as the reader skips it
    if (at != 0 && input[at - 1] != '\n') return false;
    const std::string_view head = input.substr(at, 5);
    return head.substr(0, head.find('\n')).find("--") != std::string_view::npos;
  };
  if (word.empty()) return {};
  std::size_t at = from;
  for (;; ++at) {
    if (at == input.size() || static_cast<unsigned char>(input[at]) >= 0x80 || comment_line(at))
      return {};
    if (is_letter(fold_ascii(static_cast<unsigned char>(input[at])))) break;
  }
  Span s;
  s.begin = at;
  for (char t : word) {
    if (at == input.size() || static_cast<unsigned char>(input[at]) >= 0x80 ||
        fold_ascii(static_cast<unsigned char>(input[at])) != t || t == '_')
      return {};
    ++at;
  }
  s.end = at;
  return s;
}

// A punctuation mark among the marks and blanks from `from`; the rest of a
// word begun before `from` may come first (a word the clean-up shortened).
Span find_mark_at(std::string_view input, bool utf8, std::size_t from, char mark) {
  Reader r(input, utf8, from);
  if (from > 0) {
    Reader before(input, utf8, from - 1);
    if (!before.done() && is_letter(before.peek())) skip_while(r, is_letter);
  }
  for (; !r.done() && !is_letter(r.peek()); r.advance())
    if (r.peek() == mark) return {r.begin(), r.after()};
  return {};
}

// The input byte where the next word after `from` begins, or npos.
std::size_t next_word(std::string_view input, bool utf8, std::size_t from) {
  Reader r(input, utf8, from);
  skip_while(r, is_letter);
  skip_while(r, [](char c) { return !is_letter(c); });
  return r.done() ? std::string::npos : r.begin();
}

}  // namespace

TokenAligner::TokenAligner(std::string_view input) : input_(input) {
  text::EncodingDetector detector;
  detector.feed(input);
  utf8_ = detector.encoding() == text::TextEncoding::utf8;
}

// Places the token found right at `from`; false (and nothing changed) when it
// is not there.
bool TokenAligner::place(Token& token, std::size_t from) {
  std::string folded;
  Span s;
  if (token.punctuation && token.text.size() == 1) {
    s = find_mark_at(input_, utf8_, from, token.text[0]);
  } else {
    const std::string_view word = fold_token(token.text, folded);
    s = quick_word_at(input_, from, word);
    if (!s.found()) s = find_word_at(input_, utf8_, from, word);
  }
  if (!s.found()) return false;
  token.begin = s.begin;
  token.end = s.end;
  cursor_ = s.end;
  return true;
}

void TokenAligner::align(Sentence& s) {
  auto& tokens = s.tokens;
  const std::size_t n = tokens.size();
  // Whether the `count` tokens after `i` follow in their places (placing them).
  auto followed = [&](std::size_t i, int count) {
    for (std::size_t k = i + 1; k <= i + static_cast<std::size_t>(count) && k < n; ++k)
      if (!place(tokens[k], cursor_)) return false;
    return true;
  };
  for (std::size_t i = 0; i < n; ++i) {
    Token& t = tokens[i];
    const std::size_t start = cursor_;
    if (place(t, start)) continue;
    // An enclitic read before its word ("que", "uirum" for "uirumque"): the
    // word, then the enclitic right after it.
    if (t.enclitic_of == static_cast<int>(i + 1) && place(tokens[i + 1], start) &&
        place(t, cursor_)) {
      ++i;
      continue;
    }
    cursor_ = start;
    bool placed = false;
    if (!t.punctuation) {
      for (Reach reach : {kNearReach, kFarReach}) {
        std::size_t at = start;
        for (int w = 0; w < reach.words && !placed; ++w) {
          at = next_word(input_, utf8_, at);
          if (at == std::string::npos) break;
          if (place(t, at) && followed(i, reach.confirming)) {
            placed = true;
            i += static_cast<std::size_t>(reach.confirming);
            i = std::min(i, n - 1);
          } else {
            cursor_ = start;
          }
        }
        if (placed) break;
      }
    }
    if (!placed) {
      // Made by the clean-up, or not found: it has no place of its own.
      t.begin = t.end = start;
      cursor_ = start;
    }
  }
}

}  // namespace kelvo
