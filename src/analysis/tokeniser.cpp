#include "analysis/tokeniser.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "analysis/roman_numeral.h"
#include "base/text.h"
#include "grammar/codes.h"

namespace kelvo::analysis {

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
// Marks the clean-up keeps inside a word.
bool is_punct_kept(char c) {
  return c == ',' || c == '.' || c == '?' || c == ';' || c == ':' || c == '!';
}
bool in_list(std::string_view w, std::initializer_list<std::string_view> list) {
  for (auto x : list)
    if (w == x) return true;
  return false;
}
bool starts_with(std::string_view w, std::string_view p) { return w.substr(0, p.size()) == p; }

int count_upper(std::string_view w) {
  int n = 0;
  for (char c : w) n += is_ascii_upper(c) ? 1 : 0;
  return n;
}

// Lower-cases a word unless it looks like a name: first letter not small (or
// "D"), fewer than two capitals, more than one character.
void lower_unless_name(std::string& w) {
  if (w.empty()) return;
  if ((w[0] == 'D' || !is_ascii_lower(w[0])) && count_upper(w) < 2 && w.size() > 1) return;
  for (char& c : w) c = ascii_lower(c);
}

void apply_case(std::string& w) {
  bool other_letter = false;
  for (char c : w) other_letter = other_letter || (is_ascii_letter(c) && !is_roman_letter(c));
  if (!other_letter && !starts_with(w, "IULI") && is_roman_numeral(w)) return;
  std::size_t us = std::string_view(w).substr(0, 4).find('_');
  if (us >= 1 && us <= 3) {
    std::string rest = w.substr(us + 1);
    lower_unless_name(rest);
    w = w.substr(0, us + 1) + rest;
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

std::string clean_characters(std::string_view w, bool botany) {
  std::string out;
  out.reserve(w.size() + 4);
  for (char c : w) {
    auto u = static_cast<unsigned char>(c);
    if (botany && is_ascii_digit(c)) {
      out.push_back(c);
    } else if (c == '-') {
      out.push_back(c);
    } else if (u == 0xE6) {
      out.append("ae");
    } else if (u == 0xC6) {
      out.append("Ae");
    } else if (u == 0x9C) {
      out.append("oe");
    } else if (u == 0x8C) {
      out.append("Oe");
    } else if (c == '[' || c == '\\' || c == ']' || c == '^') {
      // removed
    } else if ((u < 'A' || u > 'z') && c != ' ' && c != '&' && !is_punct_kept(c)) {
      // removed
    } else {
      out.push_back(c);
    }
  }
  return out;
}

// "est" / "es" written onto the word: returns the enclitic split off, or "".
std::string_view split_enclitic(std::string& w, bool plautus) {
  std::size_t n = w.size();
  if (n < 4) return {};
  std::string_view v = w;
  if (v.substr(n - 3) == "mst") {
    w.resize(n - 2);
    return "est";
  }
  if (!plautus) return {};
  if (v.substr(n - 2) == "st" && w != "post") {
    char b = w[n - 3];
    if (b == 'a' || b == 'i' || b == 'o' || b == 's' || v.substr(n - 5 < n ? n - 5 : 0) == "quest") {
      w.resize(n - 2);
      return "est";
    }
    if (b == 'u') {
      w.resize(n - 1);
      return "est";
    }
    return {};
  }
  if (v.substr(n - 2) == "ss") {
    char b = w[n - 3];
    w.resize((b == 'i' || b == 'o' || b == 'u') ? n - 1 : n - 2);
    if (w == "tus") w = "tu";
    return "es";
  }
  return {};
}

// The joined form of a fixed expression made of the previous token and this
// word, or "" when they do not make one.
std::string joined_expression(std::string_view prev, std::string_view cur) {
  if (cur.empty() || std::string_view("dicfqea").find(cur[0]) == std::string_view::npos) return {};
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

class Tokeniser {
 public:
  Tokeniser(SentenceWords& words, const TranslationOptions& options, WarningGate& warnings,
            ParseLog& log)
      : words_(words), options_(options), warnings_(warnings), log_(log) {}

  int run(std::string_view line);

 private:
  enum class Step { go_on, stop, cancel };
  Step finish_word(std::string& word);
  Step too_many(std::size_t trailing);
  void reorder_in_hoc();
  bool quiet() const { return options_.batch_mode; }

  SentenceWords& words_;
  const TranslationOptions& options_;
  WarningGate& warnings_;
  ParseLog& log_;
  bool overflow_ = false;  // a push found the table full
  void push(std::string_view t) {
    if (!words_.push_token(t)) overflow_ = true;
  }
};

Tokeniser::Step Tokeniser::too_many(std::size_t) {
  char msg[128];
  std::snprintf(msg, sizeof msg, kTooManyTokensFormat, words_.token_count());
  bool ok = quiet() ? true : warnings_.ok_cancel(msg);
  log_.write(msg);
  words_.set_token_count(words_.token_count() - 1);
  return ok ? Step::stop : Step::cancel;
}

Tokeniser::Step Tokeniser::finish_word(std::string& word) {
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
    push(grammar::punctuation_token(punct_code(word[lead])));
    ++lead;
  }
  word.erase(0, lead);
  if (options_.plautus) plautus_apostrophes(word);
  std::string trailing;
  while (!word.empty() && is_punct(word.back()) && trailing.size() < kMaxTrailingMarks) {
    trailing.insert(trailing.begin(), word.back());
    word.pop_back();
  }
  word = clean_characters(word, options_.botany);
  for (char& c : word) {
    if (c == 'j') c = 'i';
    else if (c == 'J') c = 'I';
    else if (c == 'v') c = 'u';
    else if (c == 'V') c = 'U';
  }
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
  std::string_view enclitic = split_enclitic(word, options_.plautus);
  if (word.size() >= 2 && (word[0] == 'y' || word[0] == 'Y') && options_.age != Age::all) {
    if (word[1] == 'c') {
      word[0] = word[0] == 'y' ? 'i' : 'I';
    } else if (word[0] == 'Y') {
      word[0] = 'y';
      word.insert(word.begin(), 'H');
    } else {
      word.insert(word.begin(), 'h');
    }
  }
  if (starts_with(word, "uigesim")) word[2] = 'c';
  if (!word.empty()) {
    std::string joined;
    if (words_.token_count() > 0)
      joined = joined_expression(words_.token(words_.token_count() - 1), word);
    if (!joined.empty()) {
      joined[0] = ascii_lower(joined[0]);
      words_.set_token(words_.token_count() - 1, joined);
    } else {
      push(word);
    }
  }
  if (!enclitic.empty()) push(enclitic);
  for (char c : trailing) push(grammar::punctuation_token(punct_code(c)));
  if (overflow_ ||
      words_.token_count() >= kTokenLimit - static_cast<int>(trailing.size()))
    return too_many(trailing.size());
  return Step::go_on;
}

void Tokeniser::reorder_in_hoc() {
  int n = words_.token_count();
  for (int i = 0; i + 2 < n; ++i) {
    std::string first(words_.token(i));
    if (first.size() != 2 || ascii_lower(first[0]) != 'i' || first[1] != 'n') continue;
    std::string second(words_.token(i + 1));
    std::string third(words_.token(i + 2));
    if ((second != "hoc" && second != "hac") || (third != "autem" && third != "enim")) continue;
    words_.set_token(i, third);
    words_.set_token(i + 1, first);
    words_.set_token(i + 2, second);
    i += 2;
  }
}

int Tokeniser::run(std::string_view line) {
  std::string text(line);
  if (auto p = text.find('\n'); p != std::string::npos) text[p] = ' ';
  if (auto p = text.find('\r'); p != std::string::npos) text[p] = ' ';
  text.push_back(' ');
  words_.set_token_count(0);
  std::string word;
  for (char c : text) {
    if (c == ' ') {
      if (word.empty()) continue;
      Step s = finish_word(word);
      word.clear();
      if (s == Step::cancel) {
        words_.clear_unused_tokens();
        return kTokeniseCancelled;
      }
      if (s == Step::stop) break;
      continue;
    }
    if (options_.inscriptions && c == '(') c = '{';
    if (options_.inscriptions && c == ')') c = '}';
    word.push_back(c);
    if (word.size() >= kMaxWordLength) {
      std::string shown = word.substr(0, kMaxWordLength) + "...";
      char msg[256];
      std::snprintf(msg, sizeof msg, kWordTooLongFormat, static_cast<int>(kMaxWordLength),
                    shown.c_str());
      if (!quiet()) warnings_.warn(msg);
      log_.write(msg);
      break;
    }
  }
  if (options_.translate) reorder_in_hoc();
  words_.clear_unused_tokens();
  if (options_.auto_adjusting) words_.save_tokens();
  return words_.token_count();
}

}  // namespace

int tokenise(std::string_view line, SentenceWords& words, const TranslationOptions& options,
             WarningGate& warnings, ParseLog& log) {
  return Tokeniser(words, options, warnings, log).run(line);
}

}  // namespace kelvo::analysis
