#include "text/tokeniser.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "text/byte_scan.h"
#include "text/roman_numeral.h"
#include "base/text.h"
#include "grammar/codes.h"

namespace kelvo::text {

namespace {

constexpr std::array<std::int8_t, 256> make_punct_codes() {
  std::array<std::int8_t, 256> t{};
  for (auto& v : t) v = -1;
  for (std::size_t i = 0; i < grammar::kPunctuationChars.size(); ++i)
    t[static_cast<unsigned char>(grammar::kPunctuationChars[i])] = static_cast<std::int8_t>(i);
  return t;
}
constexpr std::array<std::int8_t, 256> kPunctCodes = make_punct_codes();
int punct_code(char c) { return kPunctCodes[static_cast<unsigned char>(c)]; }
bool is_punct(char c) { return punct_code(c) >= 0; }
bool in_list(std::string_view w, std::initializer_list<std::string_view> list) {
  for (auto x : list)
    if (w == x) return true;
  return false;
}
bool starts_with(std::string_view w, std::string_view p) { return w.starts_with(p); }

// Lower-cases a word unless it looks like a name: first letter not small (or
// "D"), fewer than two capitals, more than one character.
void lower_unless_name(std::span<char> w) {
  if (w.empty()) return;
  auto capitals = [&w] {
    int n = 0;
    for (char c : w) n += is_ascii_upper(c) ? 1 : 0;
    return n;
  };
  if ((w[0] == 'D' || !is_ascii_lower(w[0])) && w.size() > 1 && capitals() < 2) return;
  for (char& c : w) c = ascii_lower(c);
}

void apply_case(std::string& w) {
  bool other_letter = false;
  for (char c : w) {
    if (is_ascii_letter(c) && !is_roman_letter(c)) {
      other_letter = true;
      break;
    }
  }
  if (!other_letter && !starts_with(w, "IULI") && is_roman_numeral(w)) return;
  std::size_t us = std::string_view(w).substr(0, 4).find('_');
  if (us >= 1 && us <= 3) {
    lower_unless_name(std::span<char>(w).subspan(us + 1));
  } else if (w == "DE") {
    w = "De";
  } else {
    lower_unless_name(w);
  }
}

void plautus_apostrophes(std::string& w) {
  for (std::size_t k = 1; k < w.size(); ++k) {
    if (w[k] != '\'') continue;
    char before = w[k - 1];
    char after = k + 1 < w.size() ? w[k + 1] : '\0';
    bool after_punct = after != '\0' && is_punct(after);
    if (after_punct && before != 'u') continue;
    if (before == 'u' || (before == 'i' && !(k >= 2 && w[k - 2] == 'u'))) {
      w[k] = 's';
    } else if (is_ascii_letter(before) && before != 'o') {
      if (after == 's')
        w[k] = 's';
      else if (k >= 3 && w.compare(k - 3, 3, "ill") == 0)
        w[k] = 'e';
    } else if (before == 'o' && after == 's') {
      w[k] = 's';
    }
  }
}

// What the clean-up of a word makes of each byte: the byte kept (j and v
// already written as i and u), kDrop for a byte removed, kLigature for a
// ligature spelt out in two letters. Digits stay only in Botany mode.
constexpr char kDrop = 0;
constexpr char kLigature = 1;
using CleanMap = std::array<char, 256>;
constexpr CleanMap make_clean_map(bool botany) {
  CleanMap t{};
  for (int c = 'A'; c <= 'z'; ++c) t[static_cast<std::size_t>(c)] = static_cast<char>(c);
  for (char c : std::string_view("[\\]^")) t[static_cast<unsigned char>(c)] = kDrop;
  for (char c : std::string_view(" &,.?;:!-")) t[static_cast<unsigned char>(c)] = c;
  if (botany)
    for (char c = '0'; c <= '9'; ++c) t[static_cast<unsigned char>(c)] = c;
  t['j'] = 'i';
  t['J'] = 'I';
  t['v'] = 'u';
  t['V'] = 'U';
  for (std::size_t c : {0xE6, 0xC6, 0x9C, 0x8C}) t[c] = kLigature;
  return t;
}
constexpr CleanMap kCleanMap = make_clean_map(false);
constexpr CleanMap kCleanMapBotany = make_clean_map(true);

std::string_view ligature_letters(char c) {
  switch (static_cast<unsigned char>(c)) {
    case 0xE6: return "ae";
    case 0xC6: return "Ae";
    case 0x9C: return "oe";
    default: return "Oe";
  }
}

// Removes what a word may not hold, spells out the ligatures and writes j and
// v as i and u. In place, until a ligature (rare) makes the word longer.
void clean_word(std::string& w, bool botany) {
  const CleanMap& map = botany ? kCleanMapBotany : kCleanMap;
  std::size_t n = 0;
  for (std::size_t i = 0; i < w.size(); ++i) {
    const char m = map[static_cast<unsigned char>(w[i])];
    if (m == kLigature) {
      std::string rest;
      for (char c : std::string_view(w).substr(i)) {
        const char r = map[static_cast<unsigned char>(c)];
        if (r == kLigature)
          rest.append(ligature_letters(c));
        else if (r != kDrop)
          rest.push_back(r);
      }
      w.resize(n);
      w.append(rest);
      return;
    }
    if (m != kDrop) w[n++] = m;
  }
  w.resize(n);
}

// The letters of the word being finished, with a byte of room in front for
// the letter the y rule may put there: finishing a word never allocates.
class WordBuffer {
 public:
  void assign(std::string_view w) {
    begin_ = 1;
    end_ = begin_ + w.copy(bytes_.data() + begin_, bytes_.size() - begin_);
  }
  // Copies a word of small letters alone, j and v written as i and u (the
  // clean-up map leaves the other small letters as they are); false for any
  // other word. `w` is shorter than kMaxWordLength.
  bool assign_small_letters(std::string_view w) {
    begin_ = 1;
    end_ = begin_ + w.size();
    char* out = bytes_.data() + begin_;  // a local pointer: char stores alias the members
    for (char c : w) {
      if (!is_ascii_lower(c)) return false;
      *out++ = kCleanMap[static_cast<unsigned char>(c)];
    }
    return true;
  }
  std::string_view view() const { return {bytes_.data() + begin_, end_ - begin_}; }
  std::size_t size() const { return end_ - begin_; }
  char& operator[](std::size_t k) { return bytes_[begin_ + k]; }
  void shrink_to(std::size_t n) { end_ = begin_ + n; }
  void prepend(char c) { bytes_[--begin_] = c; }  // at most once a word

 private:
  // A word is shorter than kMaxWordLength and its ligatures at most double it.
  std::array<char, 2 * kMaxWordLength + 2> bytes_{};
  std::size_t begin_ = 1;
  std::size_t end_ = 1;
};

// "est" / "es" written onto the word: returns the enclitic split off, or "".
std::string_view split_enclitic(WordBuffer& word, bool plautus) {
  const std::string_view w = word.view();
  const std::size_t n = w.size();
  if (n < 4) return {};
  if (w.substr(n - 3) == "mst") {
    word.shrink_to(n - 2);
    return "est";
  }
  if (!plautus) return {};
  if (w.substr(n - 2) == "st" && w != "post") {
    char b = w[n - 3];
    if (b == 'a' || b == 'i' || b == 'o' || b == 's' || w.substr(n - 5 < n ? n - 5 : 0) == "quest") {
      word.shrink_to(n - 2);
      return "est";
    }
    if (b == 'u') {
      word.shrink_to(n - 1);
      return "est";
    }
    return {};
  }
  if (w.substr(n - 2) == "ss") {
    char b = w[n - 3];
    word.shrink_to((b == 'i' || b == 'o' || b == 'u') ? n - 1 : n - 2);
    if (word.view() == "tus") word.shrink_to(2);  // "tu"
    return "es";
  }
  return {};
}

// True when a word may close a fixed expression with the token before it.
// Most words fail on their first letter, before the previous token is read.
bool may_close_expression(std::string_view cur) {
  if (cur.empty()) return false;
  switch (cur[0]) {
    case 'd': return starts_with(cur, "decim");
    case 'i': return starts_with(cur, "iurand");
    case 'f': return cur == "familias";
    case 'q': return starts_with(cur, "quam");
    case 'c': return starts_with(cur, "consult") || cur == "cum";
    case 'e': return cur == "est";
    case 'a': return cur == "ante";
    default: return false;
  }
}

// The joined form of a fixed expression made of the previous token and this
// word, or "" when they do not make one.
std::string joined_expression(std::string_view prev, std::string_view cur) {
  static constexpr std::string_view kOrdinals[] = {"terti", "quart", "quint", "sext",
                                                  "septim", "octau", "non"};
  if (starts_with(cur, "decim")) {
    for (auto o : kOrdinals)
      if (starts_with(prev, o) && prev.substr(o.size()) == cur.substr(5))
        return std::string(prev) + std::string(cur);
  }
  if (starts_with(cur, "iurand") &&
      in_list(prev, {"ius", "iuris", "iuri", "iure", "iura", "iuribus"}))
    return std::string(prev) + std::string(cur);
  if (cur == "familias" && in_list(prev, {"pater", "patrem", "patris", "patri", "patres", "mater",
                                          "matrem", "matris", "matri", "matres"}))
    return std::string(prev) + std::string(cur);
  if (starts_with(cur, "quam") && in_list(prev, {"magis", "potius", "plus"}))
    return std::string(prev) + "_" + std::string(cur);
  if (starts_with(cur, "consult") && prev == "senatus") return std::string(prev) + std::string(cur);
  if (cur == "cum" && prev == "una") return "una_cum";
  if (cur == "est") {
    if (in_list(prev, {"opus", "id", "necesse", "sat", "gratum", "aequum", "solitum"}))
      return std::string(prev) + "_est";
    if (prev == "Cleo") return "Cleostra";
  }
  if (cur == "ante" && prev == "paulo") return "paulo_ante";
  return {};
}

// Inscriptions write brackets as braces: they are then no punctuation.
void map_inscription_brackets(std::string& w) {
  for (char& c : w) {
    if (c == '(') c = '{';
    else if (c == ')') c = '}';
  }
}

class Tokeniser {
 public:
  Tokeniser(SentenceWords& words, const TranslationOptions& options, WarningGate& warnings,
            ParseLog& log)
      : words_(words), options_(options), warnings_(warnings), log_(log) {}

  Tokenised run(std::string_view line);

 private:
  enum class Step { go_on, stop, cancel };
  struct TrailingMarks {
    std::array<char, kMaxTrailingMarks> marks{};
    std::size_t count = 0;
  };
  Step finish_words(std::string_view stretch);
  Step take_word(std::string_view raw);
  void normalise_word(std::string& word, TrailingMarks& trailing);
  Step finish_word(WordBuffer& word, const TrailingMarks& trailing);
  Step too_many(std::size_t trailing);
  void word_too_long(std::string_view word);
  bool join_with_previous(std::string_view word);
  void reorder_in_hoc();
  bool quiet() const { return options_.batch_mode; }
  void push(std::string_view t) {
    if (!words_.push_token(t)) overflow_ = true;
  }
  void push_punctuation(char c) { push(grammar::punctuation_token(punct_code(c))); }

  SentenceWords& words_;
  const TranslationOptions& options_;
  WarningGate& warnings_;
  ParseLog& log_;
  bool overflow_ = false;  // a push found the table full
  bool truncated_ = false; // text was cut at a limit
  TokenLimit limit_ = TokenLimit::none;
  std::string cut_word_;   // the word at the cut
  WordBuffer word_;        // the word being finished
  std::string spelling_;   // a word off the small-letter path, while its rules run
};

Tokeniser::Step Tokeniser::too_many(std::size_t) {
  char msg[128];
  std::snprintf(msg, sizeof msg, kTooManyTokensFormat, words_.token_count());
  truncated_ = true;
  limit_ = TokenLimit::sentence_tokens;
  bool ok = quiet() ? true : warnings_.ok_cancel(msg);
  log_.write(msg);
  words_.set_token_count(words_.token_count() - 1);
  return ok ? Step::stop : Step::cancel;
}

// The message shows the first kMaxWordLength bytes of the word, with the
// brackets of inscriptions as the word holds them.
void Tokeniser::word_too_long(std::string_view word) {
  std::string shown(word.substr(0, kMaxWordLength));
  if (options_.inscriptions) map_inscription_brackets(shown);
  shown += "...";
  truncated_ = true;
  limit_ = TokenLimit::word_length;
  char msg[256];
  std::snprintf(msg, sizeof msg, kWordTooLongFormat, static_cast<int>(kMaxWordLength),
                shown.c_str());
  if (!quiet()) warnings_.warn(msg);
  log_.write(msg);
}

// Replaces the previous token by the fixed expression it makes with `word`;
// false when they make none.
bool Tokeniser::join_with_previous(std::string_view word) {
  // The letter test comes first: it spares reading the previous token back.
  if (words_.token_count() == 0 || !may_close_expression(word)) return false;
  std::string joined = joined_expression(words_.token(words_.token_count() - 1), word);
  if (joined.empty()) return false;
  joined[0] = ascii_lower(joined[0]);
  words_.set_token(words_.token_count() - 1, joined);
  return true;
}

// The bracket, mark, character and case rules of a word that holds more than
// small letters. Leading marks and an initial before a number are pushed as
// tokens of their own; the trailing marks are taken off into `trailing`.
void Tokeniser::normalise_word(std::string& word, TrailingMarks& trailing) {
  // Brackets inside a word, as in "amic(us)", are not punctuation.
  std::size_t n = word.size();
  bool close_last = n > 0 && word[n - 1] == ')';
  bool close_next = n > 2 && word[n - 2] == ')';
  std::size_t open = (close_last || close_next) ? word.find('(', 1) : std::string::npos;
  if (open != std::string::npos) {
    word[open] = '[';
    word[close_last ? n - 1 : n - 2] = ']';
  }
  std::size_t lead = 0;
  while (lead < word.size() && !is_ascii_letter(word[lead]) && is_punct(word[lead])) {
    push_punctuation(word[lead]);
    ++lead;
  }
  if (lead > 0) word.erase(0, lead);
  if (options_.plautus) plautus_apostrophes(word);
  // At most kMaxTrailingMarks marks come off the end; they follow the word.
  std::size_t marks = 0;
  while (marks < word.size() && marks < kMaxTrailingMarks &&
         is_punct(word[word.size() - 1 - marks]))
    ++marks;
  trailing.count = word.copy(trailing.marks.data(), marks, word.size() - marks);
  word.resize(word.size() - marks);
  clean_word(word, options_.botany);
  // An initial before a number ("P_XX", made by the preparation from "P. XX").
  if (word.size() >= 3 && word[1] == '_') {
    bool roman = true;
    for (std::size_t k = 2; k < word.size(); ++k) roman = roman && is_roman_letter(word[k]);
    if (roman) {
      push(word[0] == 'P' ? std::string_view("pondo") : std::string_view(word.data(), 1));
      word.erase(0, 2);
    }
  }
  apply_case(word);
}

// The rules every word goes through last: enclitics, spellings, fixed
// expressions, and the tokens pushed.
Tokeniser::Step Tokeniser::finish_word(WordBuffer& word, const TrailingMarks& trailing) {
  std::string_view enclitic = split_enclitic(word, options_.plautus);
  if (word.size() >= 2 && (word[0] == 'y' || word[0] == 'Y') && options_.age != Age::all) {
    if (word[1] == 'c') {
      word[0] = word[0] == 'y' ? 'i' : 'I';
    } else if (word[0] == 'Y') {
      word[0] = 'y';
      word.prepend('H');
    } else {
      word.prepend('h');
    }
  }
  if (word.size() > 0 && word[0] == 'u' && starts_with(word.view(), "uigesim")) word[2] = 'c';
  if (word.size() > 0 && !join_with_previous(word.view())) push(word.view());
  if (!enclitic.empty()) push(enclitic);
  for (std::size_t k = 0; k < trailing.count; ++k) push_punctuation(trailing.marks[k]);
  const int marks = static_cast<int>(trailing.count);
  if (overflow_ || words_.token_count() >= kTokenLimit - marks) return too_many(trailing.count);
  return Step::go_on;
}

Tokeniser::Step Tokeniser::take_word(std::string_view raw) {
  if (raw.size() >= kMaxWordLength) {
    word_too_long(raw);
    cut_word_.assign(raw.substr(0, kMaxWordLength));
    return Step::stop;
  }
  TrailingMarks trailing;
  // Most words are small letters alone: every rule of normalise_word leaves
  // them as they are but for j and v.
  if (!word_.assign_small_letters(raw)) {
    spelling_.assign(raw);
    if (options_.inscriptions) map_inscription_brackets(spelling_);
    normalise_word(spelling_, trailing);
    word_.assign(spelling_);
  }
  const Step step = finish_word(word_, trailing);
  if (step != Step::go_on) cut_word_.assign(raw.substr(0, kMaxWordLength));
  return step;
}

// The words of a stretch of the line in which only blanks separate them.
Tokeniser::Step Tokeniser::finish_words(std::string_view stretch) {
  std::size_t i = 0;
  while (true) {
    while (i < stretch.size() && stretch[i] == ' ') ++i;
    if (i == stretch.size()) return Step::go_on;
    const std::size_t start = i;
    i = find_byte(stretch, ' ', i, stretch.size());
    if (Step s = take_word(stretch.substr(start, i - start)); s != Step::go_on) return s;
  }
}

// "in hoc autem" and "in hac enim" are read with the particle first.
void Tokeniser::reorder_in_hoc() {
  int n = words_.token_count();
  for (int i = 0; i + 2 < n; ++i) {
    std::string_view first = words_.token(i);
    if (first.size() != 2 || ascii_lower(first[0]) != 'i' || first[1] != 'n') continue;
    std::string_view second = words_.token(i + 1);
    std::string_view third = words_.token(i + 2);
    if ((second != "hoc" && second != "hac") || (third != "autem" && third != "enim")) continue;
    // Copies: the slots the views point into are about to be rewritten.
    const std::string in(first), pronoun(second), particle(third);
    words_.set_token(i, particle);
    words_.set_token(i + 1, in);
    words_.set_token(i + 2, pronoun);
    i += 2;
  }
}

Tokenised Tokeniser::run(std::string_view line) {
  // The line's first line end and first carriage return separate words as
  // blanks do; they cut it into at most three stretches of blank-separated
  // words.
  const std::size_t line_end = line.find('\n');
  const std::size_t carriage_return = line.find('\r');
  auto stretch_end = [&](std::size_t from) {
    std::size_t end = line.size();
    if (line_end >= from && line_end < end) end = line_end;
    if (carriage_return >= from && carriage_return < end) end = carriage_return;
    return end;
  };
  words_.set_token_count(0);
  Step s = Step::go_on;
  for (std::size_t from = 0; s == Step::go_on && from < line.size();) {
    const std::size_t end = stretch_end(from);
    s = finish_words(line.substr(from, end - from));
    from = end + 1;
  }
  if (s == Step::cancel) {
    words_.clear_unused_tokens();
    return {words_.token_count(), TokeniseStatus::cancelled, limit_, std::move(cut_word_)};
  }
  if (options_.translate) reorder_in_hoc();
  words_.clear_unused_tokens();
  if (options_.auto_adjusting) words_.save_tokens();
  return {words_.token_count(), truncated_ ? TokeniseStatus::truncated : TokeniseStatus::complete,
          limit_, std::move(cut_word_)};
}

}  // namespace

Tokenised tokenise(std::string_view line, SentenceWords& words, const TranslationOptions& options,
             WarningGate& warnings, ParseLog& log) {
  return Tokeniser(words, options, warnings, log).run(line);
}

}  // namespace kelvo::text
