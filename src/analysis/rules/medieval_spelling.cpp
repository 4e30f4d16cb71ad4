#include "analysis/rules/medieval_spelling.h"

#include <algorithm>

#include "analysis/rules/phonetic_search.h"
#include "base/text.h"

namespace kelvo::analysis {

namespace {

constexpr std::string_view kLetterClasses = "01110112022111012111022201";

bool is_consonant1(char c) { return letter_class(c) == '1'; }

// The letters after which a written "e" may stand for "oe" (foedus, poena,
// coepit, Boeotia, moenia, comoedia).
constexpr std::string_view kBeforeOe = "fpcbm";

// Replaces `len` characters at `at` by `with` in a copy of `w`.
std::string replaced(const std::string& w, std::size_t at, std::size_t len, std::string_view with) {
  std::string r = w;
  r.replace(at, len, with);
  return r;
}

}  // namespace

char letter_class(char c) {
  c = ascii_lower(c);
  if (c < 'a' || c > 'z') return 0;
  return kLetterClasses[static_cast<std::size_t>(c - 'a')];
}

namespace {

// Where the first "ch" stands between two vowels (michi, nichil), or npos.
std::size_t vowel_ch(std::string_view w) {
  const std::size_t p = w.find("ch");
  if (p == std::string_view::npos || p == 0 || p + 2 >= w.size()) return std::string_view::npos;
  return letter_class(w[p - 1]) == '0' && letter_class(w[p + 2]) == '0' ? p
                                                                          : std::string_view::npos;
}

}  // namespace

bool for_each_medieval_spelling(std::string_view word,
                                const std::function<bool(const Respelling&)>& visit) {
  if (word.empty()) return false;
  std::string w(word);
  w[0] = ascii_lower(w[0]);
  const std::size_t n = w.size();
  Respelling r;
  auto offer = [&](std::string changed, int change, std::size_t at = 0, bool diphthong = false) {
    if (changed == w) return false;
    r.word = std::move(changed);
    r.change = change;
    r.at = at;
    r.diphthong = diphthong;
    return visit(r);
  };
  auto first_pair = [&](std::string_view from, std::string_view to, int change) {
    auto p = w.find(from);
    return p != std::string::npos && offer(replaced(w, p, from.size(), to), change);
  };

  // 1: "ie" at the end of a longer word: the final "e" becomes "ae".
  if (n > 3 && w.ends_with("ie") && offer(replaced(w, n - 1, 1, "ae"), 1)) return true;
  if (first_pair("ci", "ti", 2)) return true;
  if (first_pair("ti", "ci", 3)) return true;
  if (first_pair("nn", "mn", 4)) return true;
  if (first_pair("ch", "c", 5)) return true;
  // 5: also "ch" between vowels for a plain "h" (michi, nichilominus).
  if (const auto p = vowel_ch(w); p != std::string::npos && offer(replaced(w, p, 2, "h"), 5))
    return true;
  if (first_pair("th", "t", 6)) return true;
  // 7: a final "e" not after "a" becomes "ae".
  if (n > 1 && w.back() == 'e' && w[n - 2] != 'a' && offer(replaced(w, n - 1, 1, "ae"), 7))
    return true;
  // 8: the first "ae" that does not end the word becomes "e".
  for (auto p = w.find("ae"); p != std::string::npos; p = w.find("ae", p + 1)) {
    if (p + 2 < n) {
      if (offer(replaced(w, p, 2, "e"), 8)) return true;
      break;
    }
  }
  if (first_pair("oe", "e", 9)) return true;
  // 10: at each position, "e" for "ae" (or "oe" after f, p, c, b, m) and "f" for "ph".
  for (std::size_t i = 0; i < n; ++i) {
    if (w[i] == 'e' && (i == 0 || w[i - 1] != 'a')) {
      if (offer(replaced(w, i, 1, "ae"), 10, i, true)) return true;
      if (i > 0 && kBeforeOe.find(w[i - 1]) != std::string_view::npos &&
          offer(replaced(w, i, 1, "oe"), 10, i, true))
        return true;
    } else if (w[i] == 'f' && offer(replaced(w, i, 1, "ph"), 10)) {
      return true;
    }
  }
  if (first_pair("ho", "o", 11)) return true;
  if (first_pair("ph", "f", 12)) return true;
  if (first_pair("cl", "cul", 13)) return true;
  // 14: only the first of these patterns that occurs.
  {
    std::size_t p;
    if ((p = w.find("quu")) != std::string::npos) {
      if (offer(replaced(w, p, 3, "cu"), 14)) return true;
    } else if ((p = w.find("cu")) != std::string::npos) {
      if (offer(replaced(w, p, 2, "quu"), 14)) return true;
    } else if ((p = w.find("mpn")) != std::string::npos) {
      if (offer(replaced(w, p, 3, "mn"), 14)) return true;
    } else if ((p = w.find("ict")) != std::string::npos) {
      if (offer(replaced(w, p, 3, "itt"), 14)) return true;
    } else {
      std::size_t best = std::string::npos;
      for (std::string_view pat : {"ems", "emt", "ums", "umt"}) best = std::min(best, w.find(pat));
      if (best != std::string::npos) {
        if (offer(replaced(w, best + 2, 0, "p"), 14)) return true;
      } else if ((p = w.find("uor")) != std::string::npos) {
        if (offer(replaced(w, p, 3, "uer"), 14)) return true;
      }
    }
  }
  // 15: a final "n" after "a" or "i" becomes "m".
  if ((w.ends_with("an") || w.ends_with("in")) && offer(replaced(w, n - 1, 1, "m"), 15))
    return true;
  // 16: "unque" for "umque" (quicunque); also tried against the uniques.
  if (n > 5 && w.ends_with("unque") && offer(replaced(w, n - 5, 5, "umque"), 16)) return true;
  // 17: single letter swaps from the second letter on.
  for (std::size_t i = 1; i < n; ++i) {
    const char* to = nullptr;
    switch (w[i]) {
      case 'd': to = "t"; break;
      case 'i': to = (i == 1 || i == 2) ? "y" : nullptr; break;
      case 'k': to = "c"; break;
      case 's': to = "z"; break;
      case 'u': to = "y"; break;
      case 'w': to = "u"; break;
      case 'y': to = "i"; break;
      default: break;
    }
    if (to && offer(replaced(w, i, 1, to), 17)) return true;
  }
  // 17 also: an initial "y" for "i" (ymago, Ytalia, ydolum), which the
  // tokeniser has written "hy" as for a Greek word (hymnus).
  if (n > 3 && w.starts_with("hy") && offer(replaced(w, 0, 2, "i"), 17)) return true;
  // 18: an "h" before an initial vowel.
  if (letter_class(w[0]) == '0' && offer("h" + w, 18)) return true;
  // 19: a single common consonant doubled (litera for littera).
  for (std::size_t i = 1; i + 2 < n; ++i) {
    if (!is_consonant1(w[i]) || w[i - 1] == w[i] || w[i + 1] == w[i]) continue;
    if (offer(replaced(w, i, 0, std::string_view(&w[i], 1)), 19)) return true;
  }
  // 20: a doubled common consonant made single.
  for (std::size_t i = 1; i + 1 < n; ++i) {
    if (is_consonant1(w[i]) && w[i + 1] == w[i] && offer(replaced(w, i, 1, ""), 20)) return true;
  }
  return false;
}

std::vector<Respelling> medieval_spellings(std::string_view word) {
  std::vector<Respelling> all;
  for_each_medieval_spelling(word, [&](const Respelling& r) {
    all.push_back(r);
    return false;
  });
  return all;
}

int try_medieval_spellings(const WordAnalyzer& wa, std::string_view word,
                           std::vector<Candidate>& out, AnalysisContext& ctx, std::string* used) {
  const std::size_t before = out.size();
  if (wa.options().medieval_tricks) {
    for_each_medieval_spelling(word, [&](const Respelling& r) {
      if (r.diphthong && !wa.may_read_diphthong(r.word, r.at)) return false;
      int n = wa.analyse_core(r.word, Source::variant, out, ctx);
      if (r.change == 16) {
        const std::size_t first = out.size();
        n += wa.analyse_uniques(r.word, out, ctx);
        for (std::size_t i = first; i < out.size(); ++i) out[i].origin.source = Source::variant;
      }
      if (n == 0) return false;
      if (used) *used = r.word;
      return true;
    });
  }
  if (out.size() == before && wa.options().medieval_tricks && wa.options().medieval_phonetics)
    phonetic_search(wa, word, out, ctx, used);
  return static_cast<int>(out.size() - before);
}

KnownWordRespellings known_word_respellings(std::string_view word) {
  KnownWordRespellings out;
  const std::size_t n = word.size();
  // Each change adds at most one letter.
  if (n < 3 || n + 1 > std::tuple_size_v<decltype(KnownRespelling::text)>) return out;
  const std::string_view w = word;
  auto add = [&](std::size_t at, std::size_t len, std::string_view with, int change,
                 bool diphthong = false) {
    KnownRespelling& r = out.items[out.count++];
    char* p = r.text.data();
    p = std::copy_n(w.data(), at, p);
    p = std::copy(with.begin(), with.end(), p);
    p = std::copy(w.begin() + static_cast<std::ptrdiff_t>(at + len), w.end(), p);
    r.size = static_cast<std::uint8_t>(p - r.text.data());
    r.change = change;
    r.at = at;
    r.diphthong = diphthong;
  };
  // The first-declension and pronoun ending -ae written -e (que, domine, patrie).
  if (w.back() == 'e' && w[n - 2] != 'a' && w[n - 2] != 'o') add(n - 1, 1, "ae", 7);
  // The diphthong inside the word (celum, preter, pena): the first "e" that
  // is neither last nor after a vowel.
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (w[i] != 'e' || (i > 0 && letter_class(w[i - 1]) == '0')) continue;
    add(i, 1, "ae", 10, true);
    if (i > 0 && kBeforeOe.find(w[i - 1]) != std::string_view::npos)
      add(i, 1, "oe", 10, true);
    break;
  }
  if (auto p = w.find("nqu"); p != std::string_view::npos) add(p, 3, "mqu", 14);
  if (const auto p = vowel_ch(w); p != std::string_view::npos) add(p, 2, "h", 5);
  return out;
}

int add_classical_spellings(const WordAnalyzer& wa, std::string_view word,
                            std::vector<Candidate>& out, std::size_t own_from,
                            AnalysisContext& ctx) {
  if (!wa.options().medieval_tricks) return 0;
  const std::size_t before = out.size();
  for (const KnownRespelling& r : known_word_respellings(word)) {
    if (r.diphthong && !wa.may_read_diphthong(r.word(), r.at)) continue;
    if (wa.analyse_core(r.word(), Source::variant, out, ctx) == 0) continue;
    // The word's own commonest readings: a respelling must be at least as
    // common, and a tie does not displace an indeclinable word by another
    // part of speech (unde, longe, ante are not undae, longae, antae;
    // quanquam is quamquam). Readings that rules made up (a tackon standing
    // alone, a prefix guess) give way to any dictionary word.
    int own_best = 99;
    std::uint32_t own_indeclinable = 0;  // their parts of speech, one bit each
    bool own_from_dictionary = false;
    for (std::size_t i = own_from; i < before; ++i) {
      const grammar::WordAnalysis& a = out[i].analysis;
      if (out[i].origin.source != Source::core) continue;
      own_from_dictionary = true;
      const bool indeclinable = a.speech == grammar::pos::adv || a.speech == grammar::pos::prep ||
                                a.speech == grammar::pos::conj || a.speech == grammar::pos::interj;
      if (a.rarity < own_best) own_indeclinable = 0;
      if (a.rarity <= own_best) {
        own_best = a.rarity;
        if (indeclinable) own_indeclinable |= 1u << a.speech;
      }
    }
    int best = 99;
    for (std::size_t i = before; i < out.size(); ++i) best = std::min<int>(best, out[i].analysis.rarity);
    bool same_part = false;
    for (std::size_t i = before; i < out.size(); ++i)
      same_part = same_part || (out[i].analysis.rarity == best && out[i].analysis.speech < 32 &&
                                (own_indeclinable >> out[i].analysis.speech & 1u) != 0);
    const bool keep = !own_from_dictionary || best < own_best ||
                      (best == own_best && (own_indeclinable == 0 || same_part));
    if (!keep) {
      out.resize(before);
      break;
    }
    for (std::size_t i = before; i < out.size(); ++i) count_as_added_reading(out[i].analysis);
    break;
  }
  return static_cast<int>(out.size() - before);
}

}  // namespace kelvo::analysis
