#include "english/idioms.h"

#include "base/text.h"
#include "english/slot_moves.h"
#include "english/text_edit.h"

namespace kelvo::english {

using namespace grammar;

namespace {

bool linked_pair(const SentenceInput& in, const OutputWords& out, int p, int q) {
  const int c = slot_reading(in, out, p), d = slot_reading(in, out, q);
  if (c < 0 || d < 0) return false;
  return links_to(in.at(c), d) || links_to(in.at(d), c);
}

// Replaces the word `from` (a whole word of the slot) by `to`.
bool replace_word(std::string& slot, std::string_view from, std::string_view to) {
  for (std::size_t at = slot.find(from); at != std::string::npos; at = slot.find(from, at + 1)) {
    const bool starts = at == 0 || slot[at - 1] == ' ' || slot[at - 1] == '-';
    const std::size_t end = at + from.size();
    const bool ends = end == slot.size() || !is_ascii_lower(slot[end]);
    if (starts && ends) {
      slot.replace(at, from.size(), to);
      return true;
    }
  }
  return false;
}

// One idiom of the pair (p, q = p + 1); true when it applied (q's slot is then spent).
bool idiom(const SentenceInput& in, OutputWords& out, int p, int q, int c, int d) {
  const WordAnalysis& a = in.at(c);
  const WordAnalysis& b = in.at(d);
  std::string& s = out.at(p);
  std::string& t = out.at(q);
  auto pair_of = [&](auto test_first, auto test_second) {
    return (test_first(a, s) && test_second(b, t)) || (test_first(b, t) && test_second(a, s));
  };
  // The noun "thing" with "public": the State.
  auto thing = [](const WordAnalysis& w, const std::string& x) {
    return (w.speech == pos::noun || w.speech == pos::pron) && contains(x, "thing");
  };
  auto has = [](std::string_view word) {
    return [word](const WordAnalysis&, const std::string& x) { return contains(x, word); };
  };
  if (pair_of(thing, has("public"))) {
    std::string& noun = thing(a, s) ? s : t;
    std::string& adjective = &noun == &s ? t : s;
    replace_word(noun, "things", "State") || replace_word(noun, "thing", "State");
    adjective.clear();
    return true;
  }
  auto fathers = [](const WordAnalysis& w, const std::string& x) {
    return (w.speech == pos::noun || w.speech == pos::pron) && contains(x, "fathers");
  };
  auto enrolled = [](const WordAnalysis&, const std::string& x) {
    return contains(x, "enrolled") || contains(x, "sacred");
  };
  if (pair_of(fathers, enrolled)) {
    std::string& noun = fathers(a, s) ? s : t;
    replace_word(noun, "fathers", "Senators");
    (&noun == &s ? t : s).clear();
    return true;
  }
  auto clear_adj = [](const WordAnalysis& w, const std::string& x) {
    return w.speech == pos::adj && contains(x, "clear");
  };
  auto man = [](const WordAnalysis&, const std::string& x) {
    return contains(x, "man") || contains(x, "men");
  };
  if (pair_of(clear_adj, man)) {
    replace_word(clear_adj(a, s) ? s : t, "clear", "honourable");
    return false;  // both words stay
  }
  auto certain = [](const WordAnalysis&, const std::string& x) { return contains(x, "certain-"); };
  if (pair_of(certain, has("which"))) {
    (contains(s, "certain-") ? s : t) = "certain";
    (contains(s, "certain") ? t : s).clear();
    return true;
  }
  if ((form_of(a, "plus.") || form_of(a, "minus.")) && equals_nocase(b.latin_text(), "quam.")) {
    s = form_of(a, "plus.") ? "more than" : "less than";
    t.clear();
    return true;
  }
  // "res gestae": the things done are acts.
  auto conducted = [](const WordAnalysis& w, const std::string& x) {
    return w.speech == pos::vpar && contains(x, "conducted");
  };
  if (pair_of(thing, conducted)) {
    std::string& noun = thing(a, s) ? s : t;
    const bool plural = (thing(a, s) ? a : b).number() == number::plur;
    replace_word(noun, "things", "acts") || replace_word(noun, "thing", plural ? "acts" : "act");
    (&noun == &s ? t : s).clear();
    return true;
  }
  return false;
}

std::string_view last_word(std::string_view slot) {
  const std::size_t space = slot.rfind(' ');
  return space == std::string_view::npos ? slot : slot.substr(space + 1);
}

bool takes_no_article(std::string_view word) {
  for (std::string_view d : {"every", "no", "many", "much", "my", "your", "his", "her", "its",
                             "our", "their", "this", "that", "these", "those"})
    if (word == d) return true;
  return false;
}

bool reads_as(const SentenceInput& in, const OutputWords& out, int i, Code speech) {
  const int c = slot_reading(in, out, i);
  return c >= 0 && in.at(c).speech == speech;
}

bool has_whole_word(std::string_view slot, std::string_view word) {
  for (std::size_t at = slot.find(word); at != std::string_view::npos;
       at = slot.find(word, at + 1)) {
    const std::size_t end = at + word.size();
    if ((at == 0 || slot[at - 1] == ' ') && (end == slot.size() || slot[end] == ' '))
      return true;
  }
  return false;
}

// "saltus angustus" when the noun reads "narrow passage": the adjective
// whose word its noun already says is not said again ("the narrow passage",
// not "the narrow narrow passage"). Its article or preposition passes to the noun.
void drop_echoed_adjective(const SentenceInput& in, OutputWords& out, int p, int q) {
  for (auto [adj, noun] : {std::pair{p, q}, std::pair{q, p}}) {
    if (!reads_as(in, out, adj, pos::adj) || !reads_as(in, out, noun, pos::noun)) continue;
    std::string& a = out.at(adj);
    std::string& b = out.at(noun);
    const std::string_view word = last_word(a);
    if (word.size() < 3 || !has_whole_word(b, word)) continue;
    const std::size_t lead = article_length(a);
    if (adj < noun && lead > 0 && article_length(b) == 0) b.insert(0, a, 0, lead);
    a.clear();
    return;
  }
}

Code slot_case(const SentenceInput& in, const OutputWords& out, int i) {
  const int c = slot_reading(in, out, i);
  return c < 0 ? Code{0} : in.at(c).grammatical_case();
}

bool same_case(const SentenceInput& in, const OutputWords& out, int p, int q) {
  const Code gc = slot_case(in, out, p);
  return gc != 0 && gc == slot_case(in, out, q);
}

// Whether slot i is a preposition's object: right after the preposition, or
// after a word of the same phrase that is.
bool governed_by_preposition(const SentenceInput& in, const OutputWords& out, int i) {
  for (int q = i; q > 0; --q) {
    if (reads_as(in, out, q - 1, pos::prep)) return true;
    if (!linked_pair(in, out, q - 1, q) || !same_case(in, out, q - 1, q)) return false;
  }
  return false;
}

void strip_case_preposition(std::string& slot) {
  for (std::string_view a : {"with the ", "to the ", "of the ", "with ", "to ", "of "})
    if (begins_with(slot, a)) {
      slot.erase(0, a.size() - (ends_with(a, "the ") ? 4 : 0));
      return;
    }
}

// The preposition of an ablative of time: "on" a day, "at" an hour, "in"
// the rest; empty for a noun that names no time.
std::string_view time_preposition(std::string_view noun) {
  if (noun == "day" || noun == "days") return "on ";
  if (noun == "hour" || noun == "hours") return "at ";
  for (std::string_view t : {"night", "year", "month", "summer", "winter", "spring", "autumn",
                             "time", "age", "lifetime"})
    if (noun == t || (noun.size() == t.size() + 1 && begins_with(noun, t) && noun.back() == 's'))
      return "in ";
  return {};
}

// "magno cum exercitu": a word set before the preposition that governs its
// noun is said after the preposition in English ("with the large army").
void put_prepositions_first(const SentenceInput& in, OutputWords& out) {
  for (int p = 0; p + 2 < out.count; ++p) {
    const int c = slot_reading(in, out, p);
    const int prep = slot_reading(in, out, p + 1);
    const int noun = slot_reading(in, out, p + 2);
    if (c < 0 || prep < 0 || noun < 0) continue;
    const Code s = in.at(c).speech;
    const bool modifier = s == pos::adj || s == pos::pron || s == pos::num || s == pos::vpar;
    if (!modifier || in.at(prep).speech != pos::prep || in.at(noun).speech != pos::noun) continue;
    if (!linked_pair(in, out, p, p + 2) || !same_case(in, out, p, p + 2)) continue;
    if (in.at(prep).grammatical_case() != in.at(noun).grammatical_case()) continue;
    if (out.at(p).empty() || out.at(p + 1).empty()) continue;
    move_slot(out, p + 1, p);
    strip_case_preposition(out.at(p + 1));
    strip_case_preposition(out.at(p + 2));
    ++p;
  }
}

}  // namespace

void tidy_articles(const SentenceInput& in, OutputWords& out) {
  const int n = out.count;
  put_prepositions_first(in, out);
  // A preposition's object, and the words beside it that agree with it, do
  // not repeat its case's preposition: "in" + "with the beginning" -> "in the
  // beginning"; "with" + "all" + "with the creatures" -> "with all the creatures".
  for (int p = 1; p < n; ++p) {
    const int before = slot_reading(in, out, p - 1);
    if (before < 0) continue;
    const bool governed = in.at(before).speech == pos::prep ||
                          (linked_pair(in, out, p - 1, p) && same_case(in, out, p - 1, p) &&
                           governed_by_preposition(in, out, p - 1));
    if (!governed) continue;
    strip_case_preposition(out.at(p));
  }
  // A word and the word beside it that agrees with it share one article:
  // "the good" + "the man" -> "the good man".
  for (int p = 0; p + 1 < n; ++p) {
    if (!linked_pair(in, out, p, p + 1)) continue;
    drop_echoed_adjective(in, out, p, p + 1);
    std::string& first = out.at(p);
    std::string& second = out.at(p + 1);
    if (first.empty()) continue;
    // ("all" has no article of its own, so "all" + "the men" keeps it.)
    const std::size_t a1 = article_length(first), a2 = article_length(second);
    if (a1 > 0 && a2 > 0 && second.find("RTB ") == std::string::npos) second.erase(0, a2);
    // Determiners and possessives take no article: "every soul", "many
    // days", "their free will".
    if (begins_with(second, "the ") && takes_no_article(last_word(first))) second.erase(0, 4);
  }
}

// "triduo intermisso": a time with its participle is an ablative absolute,
// which its own step renders.
bool with_ablative_participle(const SentenceInput& in, int noun) {
  for (int j = 0; j < in.scratch.count; ++j) {
    const WordAnalysis& w = in.at(j);
    if (w.speech != pos::vpar || w.grammatical_case() != gcase::abl) continue;
    if (links_to(w, noun) || links_to(in.at(noun), j)) return true;
  }
  return false;
}

void time_ablatives(const SentenceInput& in, OutputWords& out) {
  for (int p = 0; p < out.count; ++p) {
    const int c = slot_reading(in, out, p);
    if (c < 0 || in.at(c).speech != pos::noun || in.at(c).grammatical_case() != gcase::abl)
      continue;
    const std::string_view prep = time_preposition(last_word(out.at(p)));
    if (prep.empty() || with_ablative_participle(in, c)) continue;
    // The phrase's words stand before the noun now: the nearest of them
    // that says the case's "with" opens it.
    for (int q = p; q >= 0; --q) {
      std::string& slot = out.at(q);
      if (begins_with(slot, "with ") || begins_with(slot, "With ")) {
        const bool capital = slot[0] == 'W';
        slot.replace(0, 5, prep);
        if (capital) slot[0] = ascii_upper(slot[0]);
        break;
      }
      if (q == 0 || !linked_pair(in, out, q - 1, q) || !same_case(in, out, q - 1, q)) break;
    }
  }
}

void hyphenate_participles(const SentenceInput& in, OutputWords& out) {
  for (int p = 0; p < out.count; ++p) {
    const int c = slot_reading(in, out, p);
    if (c < 0) continue;
    const WordAnalysis& a = in.at(c);
    if (skipped(a.speech)) continue;
    // Only the gerundive's phrase: "requiring-to-be-" joins onto it as one word.
    const bool gerundive = (a.speech == pos::noun || a.speech == pos::vpar) && a.mood() == mood::ger;
    if (!gerundive) continue;
    std::string& slot = out.at(p);
    std::size_t from = 0;
    for (std::string_view head : {"with the ", "to the ", "of the ", "the ", "O "})
      if (begins_with(slot, head)) {
        from = head.size();
        break;
      }
    if (std::size_t rtb = slot.find("RTB ", from); rtb != std::string::npos) from = rtb + 4;
    for (std::size_t i = from; i < slot.size(); ++i)
      if (slot[i] == ' ') slot[i] = '-';
  }
}

void apply_idioms(const SentenceInput& in, OutputWords& out) {
  for (int p = 0; p + 1 < out.count; ++p) {
    const int c = slot_reading(in, out, p), d = slot_reading(in, out, p + 1);
    if (c < 0 || d < 0 || skipped(in.at(c).speech) || skipped(in.at(d).speech)) continue;
    if (begins_with(out.at(p), "<") || out.at(p).empty() || out.at(p + 1).empty()) continue;
    const bool plus_quam = (form_of(in.at(c), "plus.") || form_of(in.at(c), "minus."));
    if (!plus_quam && !linked_pair(in, out, p, p + 1)) continue;
    if (idiom(in, out, p, p + 1, c, d)) ++p;  // the pair counts as one word
  }
}

}  // namespace kelvo::english
