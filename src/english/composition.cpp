#include "english/composition.h"

#include "base/text.h"

namespace kelvo::english {

using grammar::pos::punct;

namespace {

constexpr grammar::Code kRemoved = grammar::pos::deleted_ai;
constexpr grammar::Code kDoubleQuote = 5, kSingleQuote = 6, kOpenBracket = 9;

// The sentence text with the Latin position of each of its characters.
struct Owned {
  std::string text;
  std::vector<std::int16_t> owner;
  void append(std::string_view s, int who) {
    text.append(s);
    owner.insert(owner.end(), s.size(), static_cast<std::int16_t>(who));
  }
  void push(char c, int who) {
    text.push_back(c);
    owner.push_back(static_cast<std::int16_t>(who));
  }
};

bool above_blank(const std::string& s) { return !s.empty() && static_cast<unsigned char>(s[0]) > ' '; }
unsigned char first(const std::string& s) { return s.empty() ? 0 : static_cast<unsigned char>(s[0]); }

// "RTB " is the gerundive's "requiring to be" ("requiring to have been").
std::string spell_gerundive(const std::string& slot, bool capital) {
  std::size_t at = slot.find("RTB ");
  if (at == std::string::npos) return slot;
  std::string after = slot.substr(at + 4);
  bool perfect = after.rfind("been", 0) == 0 && after.size() > 4 && (after[4] == '-' || after[4] == ' ');
  std::string out = slot.substr(0, at) + (perfect ? "requiring-to-have-" : "requiring-to-be-") + after;
  if (capital && !out.empty() && is_ascii_lower(out[0])) out[0] = ascii_upper(out[0]);
  return out;
}

// "[12]" or "[3.5-7]": the brackets give way to blanks.
bool unbracket_number(std::string& s) {
  if (s.size() < 3 || s[0] != '[') return false;
  std::size_t k = 1;
  while (k < s.size() && (is_ascii_digit(s[k]) || s[k] == '.' || s[k] == '-')) ++k;
  if (k == 1 || k >= s.size() || s[k] != ']') return false;
  s[0] = ' ';
  s[k] = ' ';
  return true;
}

// Whether a blank follows position i.
bool space_after(const std::vector<std::string>& s, const std::vector<SlotKind>& kinds, int i,
                 bool& dq, bool& sq) {
  const int n = static_cast<int>(kinds.size());
  auto is_punct = [&](int k) { return k < n && kinds[static_cast<std::size_t>(k)].speech == punct; };
  const SlotKind& me = kinds[static_cast<std::size_t>(i)];
  if (i < n - 2 && kinds[static_cast<std::size_t>(i) + 1].speech == kRemoved && is_punct(i + 2)) {
    const std::string& after = s[static_cast<std::size_t>(i) + 2];
    if (first(after) != '\'' && first(after) != '"') return false;
  }
  if (me.speech == 0) return false;
  const std::string empty;
  const std::string& next = i + 1 < n ? s[static_cast<std::size_t>(i) + 1] : empty;
  if (me.speech == punct) {
    if (me.punctuation == kOpenBracket) return false;  // "(" stays with what it opens
    if (me.punctuation == kDoubleQuote || me.punctuation == kSingleQuote) {
      bool& state = me.punctuation == kDoubleQuote ? dq : sq;
      state = !state;
      return state ? is_punct(i + 1) : true;  // a closing mark is followed by a blank
    }
    unsigned char c = first(next);
    if (next.empty() || c > 64 || is_ascii_digit(static_cast<char>(c)) || c == '<') return true;
    return is_punct(i + 1);
  }
  if (is_punct(i + 1)) {
    grammar::Code pc = kinds[static_cast<std::size_t>(i) + 1].punctuation;
    if (pc == kDoubleQuote) return !dq;
    if (pc == kSingleQuote) return !sq;
    return pc == kOpenBracket;  // a word and the "(" after it stand apart
  }
  return true;
}

// Blanks before ".", ",", "?", between a quotation mark and "!" or "?", and
// before "' ." go.
Owned tidy(const Owned& in) {
  Owned out;
  const std::string& t = in.text;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] == ' ' && i + 1 < t.size()) {
      char next = t[i + 1];
      if (next == '.' || next == ',' || next == '?') continue;
      if (i > 0 && (t[i - 1] == '\'' || t[i - 1] == '"') && (next == '!' || next == '?')) continue;
      if (next == '\'' && i + 3 < t.size() && t[i + 2] == ' ' && t[i + 3] == '.') continue;
    }
    out.push(t[i], in.owner[i]);
  }
  return out;
}

// Pieces between blanks, each followed by one blank, with the length limits.
Owned respace(const Owned& in, Composed& result, const std::function<void(std::string_view)>& warn) {
  Owned out;
  const std::string& t = in.text;
  std::size_t i = 0;
  while (i < t.size()) {
    while (i < t.size() && t[i] == ' ') ++i;
    std::size_t b = i;
    while (i < t.size() && t[i] != ' ') ++i;
    if (i == b) break;
    std::size_t k = b;
    while (k < i && (static_cast<unsigned char>(t[k]) <= 64 || static_cast<unsigned char>(t[k]) > 127))
      ++k;
    if (i - k > kMaxSlotChars) {
      out.append(kWordTooLong, -1);
      if (warn) warn(out.text);
      result.truncated = true;
      return out;
    }
    for (std::size_t j = b; j < i; ++j) out.push(t[j], in.owner[j]);
    out.push(' ', -1);
    if (out.text.size() > kMaxSentenceChars) {
      out.append(kTooManyCharacters, -1);
      result.truncated = true;
      return out;
    }
  }
  return out;
}

// The Latin position of a piece: that of its first letter or digit, else of
// its first character that has one.
int piece_owner(const Owned& o, std::size_t b, std::size_t e) {
  int any = -1;
  for (std::size_t k = b; k < e; ++k) {
    int w = o.owner[k];
    if (w < 0) continue;
    if (is_ascii_letter(o.text[k]) || is_ascii_digit(o.text[k])) return w;
    if (any < 0) any = w;
  }
  return any;
}

}  // namespace

void compose(const OutputWords& out, const std::vector<SlotKind>& kinds, Composed& result,
             const std::function<void(std::string_view)>& warn) {
  result = Composed{};
  const int n = std::min(out.count, static_cast<int>(kinds.size()));
  std::vector<std::string> s(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) s[static_cast<std::size_t>(i)] = out.at(i);
  // A comma that opens or closes the sentence goes.
  if (n > 0 && first(s[0]) == ',') {
    s[0].clear();
    if (n > 1 && is_ascii_lower(static_cast<char>(first(s[1])))) s[1][0] = ascii_upper(s[1][0]);
  }
  if (n >= 2 && first(s[static_cast<std::size_t>(n) - 2]) == ',') s[static_cast<std::size_t>(n) - 2].clear();

  Owned text;
  bool dq = false, sq = false;
  for (int i = 0; i < n; ++i) {
    if (text.text.size() > kMaxSentenceChars) {
      text.append(kTooManyCharacters, -1);
      result.truncated = true;
      break;
    }
    std::string& slot = s[static_cast<std::size_t>(i)];
    if (slot.empty()) continue;
    const int who = out.source[static_cast<std::size_t>(i)];
    // Doubled marks: "!!" or "!." and ",," keep one.
    // (The blank after a "!" mark does not hide it.)
    std::size_t last = text.text.find_last_not_of(' ');
    if (last != std::string::npos && text.text[last] == '!' && (slot[0] == '!' || slot[0] == '.'))
      slot[0] = ' ';
    else if (i > 0 && first(s[static_cast<std::size_t>(i) - 1]) == ',' && slot[0] == ',')
      slot[0] = ' ';
    if (slot[0] == ' ' && slot.size() > 1 && static_cast<unsigned char>(slot[1]) > 64) slot.erase(0, 1);

    if (slot.find("RTB ") != std::string::npos) {
      const bool starts = i == 0 || (i == 1 && s[0].empty());
      text.append(spell_gerundive(slot, starts), who);
    } else {
      std::string piece = slot;
      unbracket_number(piece);
      text.append(piece, who);
    }
    if (space_after(s, kinds, i, dq, sq) && above_blank(slot)) text.push(' ', -1);
  }
  Owned tidied = tidy(text);
  Owned spaced = respace(tidied, result, warn);
  // The words and their Latin positions (the notices are nobody's).
  const std::string& t = spaced.text;
  for (std::size_t i = 0; i < t.size();) {
    while (i < t.size() && (t[i] == ' ' || t[i] == '\n')) ++i;
    std::size_t b = i;
    while (i < t.size() && t[i] != ' ' && t[i] != '\n') ++i;
    if (i > b) result.words.push_back({t.substr(b, i - b), piece_owner(spaced, b, i)});
  }
  result.text = std::move(spaced.text);
  result.text += "\n\n";
}

}  // namespace kelvo::english
