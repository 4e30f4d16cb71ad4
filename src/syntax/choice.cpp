#include "syntax/choice.h"

#include <algorithm>
#include <string_view>

#include "syntax/operations.h"
#include "syntax/partner.h"
#include "syntax/roles.h"

namespace kelvo::syntax {

using namespace grammar;

namespace {

// What a segment holds, surveyed before its readings are scored.
struct Survey {
  int nominatives = 0, datives = 0, ablatives = 0;
  int verb_words = 0;    // words with a finite verb reading
  int verb_number = 0;   // highest number of a "be" or imperative verb
  int imperatives = 0;
  int last_imperative = -1;
  int participles = 0;
  int unlinked_nominative_participles = 0;
  int explicit_subject = 0;
  int modal_pos = -1;
  int wish = 0;
  int be_verbs = 0;
  int dative_verbs = 0;
  bool subjunctive = false;
  int infinitives = 0;
  bool transitive_verb = false;
  bool any_verb = false;
};

// How far back a relative pronoun's antecedent is looked for.
constexpr int kAntecedentReach = 8;
// How far back a neuter word makes "quod" its relative pronoun.
constexpr int kQuodReach = 3;
constexpr int kQuodConjunctionValue[3] = {0, 12, 150};
// What the adverb reading of a lone adjective's form gains.
constexpr int kLoneAdjectiveAdverb = 40;
// What quam or eo gains as an adverb of measure.
constexpr int kMeasureAdverb = 150;
// What "cum" gains as a preposition right after its pronoun (me cum).
constexpr int kPostposedCum = 150;
// What an interjection loses when its word can be a preposition.
constexpr int kInterjectionOrPreposition = 40;
// What a lower-case entry's reading loses on a word written as a name.
constexpr int kCommonReadingOfName = 150;

// --- The start of the choice -------------------------------------------

// The person and number most of the sentence's verbs share (0 on a tie).
int dominant_verb_code(const SentenceView& s) {
  int counts[8] = {};
  for (int p = 0; p < s.positions(); ++p) {
    int code = -1, readings = 0, finite = 0;
    bool infinitive = false, shared = true;
    for (int i = s.first_of(p); i < s.end_of(p); ++i) {
      if (!s.live(i)) continue;
      ++readings;
      const WordAnalysis& a = s.at(i);
      if (a.speech != pos::verb || means_exactly(a, "be")) continue;
      if (a.mood() == mood::inf) {
        infinitive = true;
        continue;
      }
      int c = a.person() * 2 + a.number() - 2;
      if (c < 1 || c > 6) continue;
      ++finite;
      if (code < 0) code = c;
      shared = shared && c == code;
    }
    if (finite == 0 && infinitive) code = 7, shared = true;
    if (code < 0 || !shared) continue;
    counts[code] += readings == (finite > 0 ? finite : 1) ? 4 : 1;
  }
  int best = 0, best_count = 0;
  bool tie = false;
  for (int c = 1; c <= 7; ++c) {
    if (counts[c] > best_count) {
      best = c, best_count = counts[c], tie = false;
    } else if (counts[c] == best_count && best_count > 0) {
      tie = true;
    }
  }
  return tie ? 0 : best;
}

bool begins_with_any(std::string_view m, std::initializer_list<std::string_view> words) {
  if (!m.empty() && m[0] == '~') m.remove_prefix(1);
  for (std::string_view w : words)
    if (m.starts_with(w)) return true;
  return false;
}

// Whether the sentence speaks of air and nature or of money and family:
// "aes" is then air or money.
int sense_context(const SentenceView& s) {
  int air = 0, money = 0;
  for (int p = 0; p < s.positions(); ++p) {
    for (int i = s.first_of(p); i < s.end_of(p); ++i) {
      if (!s.is(i, pos::noun)) continue;
      std::string_view m = s.meaning(i);
      if (!m.empty() && m[0] == '~') m.remove_prefix(1);
      // Both lists begin with these letters only.
      if (m.empty() || std::string_view("abcdfhmnpstw").find(m[0]) == std::string_view::npos)
        continue;
      if (begins_with_any(m, {"air", "breeze", "branch", "bush", "feather", "head", "medicine",
                              "nature", "noise", "sky", "soul", "water"})) {
        ++air;
        break;
      }
      if (begins_with_any(m, {"coin", "daughter", "father", "grandmother", "heir", "mother",
                              "pound", "silver", "son", "statue", "tax", "temple"})) {
        ++money;
        break;
      }
    }
  }
  if (air > money) return 1;
  return air + money > 0 ? 2 : 0;
}

// Whether the sentence has a speaker (person 1) or speaks to someone
// (person 2): a form of ego or nos, tu or vos, or a word read only as a verb
// of that person. Without one, a first- or second-person reading ("amare" you
// are loved, "turbas" you disturb, "uocem" let me call) is the unlikely one.
bool person_present(const SentenceView& s, int person) {
  for (int p = 0; p < s.positions(); ++p) {
    int readings = 0, of_person = 0;
    for (int i = s.first_of(p); i < s.end_of(p); ++i) {
      if (!s.live(i)) continue;
      ++readings;
      const WordAnalysis& a = s.at(i);
      if (a.speech == pos::pron) {
        const int d = a.declension.get();
        std::string_view t = a.latin_text();
        const bool v = !t.empty() && (t[0] == 'u' || t[0] == 'U');
        if (person == 2 && (d == kDeclTu || (d == kDeclPlural && v))) return true;
        if (person == 1 && (d == kDeclEgo || (d == kDeclPlural && !v))) return true;
      }
      if (a.speech == pos::verb && a.person() == person) ++of_person;
    }
    if (readings > 0 && of_person == readings) return true;
  }
  return false;
}

// Verbs of saying, giving and showing take a dative of the person.
bool says_or_gives(const WordAnalysis& a) {
  return begins_with_any(a.meaning_text(), {"say", "speak", "tell", "give", "answer", "reply",
                                            "show", "promise", "order", "command", "send"});
}

bool has_reading(const SentenceView& s, int p, Code speech) {
  for (int i = s.first_of(p); i < s.end_of(p); ++i)
    if (s.is(i, speech)) return true;
  return false;
}

// Whether a word of the relative pronoun i's gender and number stands in the
// few words before it.
bool antecedent(const SentenceView& s, int i) {
  const WordAnalysis& a = s.at(i);
  const int p = a.position.get();
  for (int q = p - 1; q >= 0 && q >= p - kAntecedentReach; --q) {
    for (int j = s.first_of(q); j < s.end_of(q); ++j) {
      if (!s.live(j)) continue;
      const WordAnalysis& w = s.at(j);
      bool nominal = w.speech == pos::noun || w.speech == pos::pron || w.speech == pos::sadj ||
                     w.speech == pos::adj || w.speech == pos::num || w.speech == pos::vpar;
      if (!nominal || (a.number() != 0 && w.number() != 0 && w.number() != a.number())) continue;
      const Code g = a.gender(), h = w.gender();
      if (g == 0 || h == 0 || g == h || (g == gender::common && h != gender::neuter) ||
          (h == gender::common && g != gender::neuter) ||
          (g == gender::m_nt && h != gender::fem) || (h == gender::m_nt && g != gender::fem))
        return true;
    }
  }
  return false;
}

// Whether word p can be the neuter singular a relative "quod" refers to
// (the ablative "eo" of "eo quod" cannot).
bool neuter_antecedent(const SentenceView& s, int p) {
  for (int j = s.first_of(p); j < s.end_of(p); ++j) {
    if (!s.live(j)) continue;
    const WordAnalysis& w = s.at(j);
    bool nominal = w.speech == pos::noun || w.speech == pos::pron || w.speech == pos::sadj ||
                   w.speech == pos::adj;
    if (nominal && w.number() == number::sing &&
        (w.gender() == gender::neuter || w.gender() == gender::m_nt) && w.latin_text() != "e.o")
      return true;
  }
  return false;
}

// Verbs of saying, knowing and feeling, which take a "quod" clause of what
// is said or felt.
bool reports_or_feels(const WordAnalysis& a) {
  return begins_with_any(a.meaning_text(),
                         {"say", "speak", "tell", "declare", "announce", "report", "write",
                          "know", "think", "believe", "hear", "see", "feel", "perceive",
                          "understand", "rejoice", "be glad", "grieve", "complain", "thank",
                          "praise", "accuse", "wonder", "remember", "testify", "confess"});
}

// How surely "quod" is the conjunction "because"/"that": 2 after a verb
// (dico quod, gaudeo quod) or a word that announces a reason (eo, propterea,
// ideo, ita quod); 1 with no neuter singular word in the few words before it
// to refer to; 0 when there is one (id quod, negotium quod).
int quod_conjunction_strength(const SentenceView& s, int p) {
  const int before = p - 1;
  bool verb_only = s.live_count_of(before) > 0, reports = false;
  for (int j = s.first_of(before); j < s.end_of(before); ++j) {
    if (!s.live(j)) continue;
    const WordAnalysis& w = s.at(j);
    std::string_view t = w.latin_text();
    for (std::string_view r : {"eo.", "e.o", "propterea.", "ideo.", "idcirco.", "ita.", "magis."})
      if (equals_nocase(t, r)) return 2;
    verb_only = verb_only && w.speech == pos::verb;
    reports = reports || (w.speech == pos::verb && reports_or_feels(w));
  }
  if (verb_only && reports) return 2;
  for (int q = before; q >= 0 && q >= p - kQuodReach; --q) {
    const int f = s.first_live_of(q);
    if (f < 0 || s.at(f).speech == pos::punct) break;
    if (neuter_antecedent(s, q)) return 0;
  }
  return 1;
}

// Whether word p has a comparative or superlative reading.
bool graded(const SentenceView& s, int p, Code degree) {
  for (int j = s.first_of(p); j < s.end_of(p); ++j)
    if (s.live(j) && s.at(j).comparison() == degree) return true;
  return false;
}

bool word_is_any(const SentenceView& s, int p, std::initializer_list<std::string_view> forms) {
  for (int j = s.first_of(p); j < s.end_of(p); ++j) {
    if (!s.live(j)) continue;
    for (std::string_view f : forms)
      if (equals_nocase(s.latin(j), f)) return true;
  }
  return false;
}

// The adverb readings of two function words whose other readings are
// pronouns: "quam" before a superlative (quam primum, quam maxime) and "eo"
// before quod or a comparative (eo quod, eo magis) measure, they refer to
// nothing.
int function_adverb_value(const SentenceView& s, const WordAnalysis& a) {
  const int p = a.position.get();
  std::string_view t = a.latin_text();
  if (equals_nocase(t, "quam."))
    return graded(s, p + 1, comparison::super) || word_is_any(s, p + 1, {"primum.", "prim.um"})
               ? kMeasureAdverb
               : 0;
  if (equals_nocase(t, "eo."))
    return graded(s, p + 1, comparison::comp) ||
                   word_is_any(s, p + 1, {"quod.", "magis.", "minus.", "plus.", "amplius."})
               ? kMeasureAdverb
               : 0;
  return 0;
}

bool comma_or_o_before(const SentenceView& s, int p);

// Whether word p can be an adjective or numeral and none of those readings
// agrees with anything.
bool unlinked_modifier_word(const SentenceView& s, int p) {
  bool modifier = false;
  for (int j = s.first_of(p); j < s.end_of(p); ++j) {
    if (!s.live(j)) continue;
    const WordAnalysis& w = s.at(j);
    if (w.speech != pos::adj && w.speech != pos::num) continue;
    // A vocative agrees only when it is set off as one (a comma or O before).
    if (w.link(0) >= 0 && (w.grammatical_case() != gcase::voc || comma_or_o_before(s, p)))
      return false;
    modifier = true;
  }
  return modifier;
}

bool person_noun(const WordAnalysis& a) {
  return a.speech == pos::noun && a.noun_kind() == noun_kind::person;
}

// Whether a preposition (or the tackon cum) is linked to i.
bool governed(const SentenceView& s, int i) {
  for (int k = 0; k < 3; ++k) {
    const int l = s.linked(i, k);
    if (l >= 0 && (s.at(l).speech == pos::prep || s.at(l).speech == pos::tackon)) return true;
  }
  return false;
}

// A noun reading in another case right before or after p.
bool noun_beside(const SentenceView& s, int p) {
  for (int q : {p - 1, p + 1})
    for (int i = s.first_of(q); i < s.end_of(q); ++i)
      if (s.is(i, pos::noun) && s.at(i).grammatical_case() != gcase::gen) return true;
  return false;
}

// A finite form of "be" within two words of p.
bool be_nearby(const SentenceView& s, int p) {
  for (int q = p - 2; q <= p + 2; ++q) {
    if (q == p) continue;
    for (int i = s.first_of(q); i < s.end_of(q); ++i)
      if (s.live(i) && is_be(s.at(i)) && is_finite(s.at(i))) return true;
  }
  return false;
}

bool has_infinitive(const SentenceView& s, int p) {
  for (int i = s.first_of(p); i < s.end_of(p); ++i)
    if (s.is(i, pos::verb) && s.at(i).mood() == mood::inf) return true;
  return false;
}

// --- Segments -------------------------------------------------------------

bool opens_segment(const SentenceView& s, int p) {
  bool opener = false;
  for (int i = s.first_of(p); i < s.end_of(p); ++i) {
    if (!s.live(i)) continue;
    if (s.at(i).link(0) >= 0) return false;
    const WordAnalysis& a = s.at(i);
    bool kind = a.speech == pos::conj || (a.speech == pos::pron && a.quis_clause());
    if (kind && (a.rarity == 1 || s.first_live_of(p) == i)) opener = true;
  }
  return opener;
}

void make_segments(SentenceView& s, const Clause& cl) {
  SyntaxScratch& sc = s.scratch;
  sc.segment_count = 0;
  int start = cl.first;
  int last_pos = -1;
  for (int i = cl.first; i <= cl.last; ++i) {
    const int p = s.pos(i);
    if (p == last_pos || p == 0 || i == start) {
      last_pos = p;
      continue;
    }
    last_pos = p;
    if (sc.segment_count + 1 >= kMaxSegments || !opens_segment(s, p)) continue;
    sc.segments[static_cast<std::size_t>(sc.segment_count++)] = {
        static_cast<std::int16_t>(start), static_cast<std::int16_t>(i - 1)};
    start = i;
  }
  sc.segments[static_cast<std::size_t>(sc.segment_count++)] = {
      static_cast<std::int16_t>(start), static_cast<std::int16_t>(cl.last)};
}

// --- Survey, roles and verb constructions ----------------------------------

bool only_reading(const SentenceView& s, int i) { return s.live_count_of(s.pos(i)) == 1; }

Survey survey_segment(SentenceView& s, const Segment& seg) {
  Survey sv;
  int last_verb_word = -1;
  for (int i = seg.first; i <= seg.last; ++i) {
    if (!s.live(i)) continue;
    const WordAnalysis& a = s.at(i);
    const int p = a.position.get();
    if (a.speech == pos::noun) {
      int l = s.linked(i, 0);
      if (only_reading(s, i) || (l >= 0 && s.at(l).speech == pos::verb)) {
        Code c = a.grammatical_case();
        sv.nominatives += c == gcase::nom;
        sv.datives += c == gcase::dat;
        sv.ablatives += c == gcase::abl;
      }
    } else if (a.speech == pos::verb) {
      sv.any_verb = true;
      if (a.mood() != mood::inf && p != last_verb_word) {
        ++sv.verb_words;
        last_verb_word = p;
      }
      if (means_exactly(a, "be") || a.mood() == mood::imp)
        sv.verb_number = std::max<int>(sv.verb_number, a.number());
      if (a.mood() == mood::imp) {
        ++sv.imperatives;
        sv.last_imperative = p;
      }
    } else if (a.speech == pos::vpar) {
      if (a.mood() != mood::ger) ++sv.participles;
      if (a.grammatical_case() == gcase::nom && a.link(0) < 0 &&
          sv.unlinked_nominative_participles < 11)
        ++sv.unlinked_nominative_participles;
    } else if (a.speech == pos::pron) {
      sv.explicit_subject = personal_pronoun_code(s, i, sv.explicit_subject);
    } else if (is_adverb(a.speech) && a.latin_text() == "opus_est." &&
               s.scratch.opus_est_position < 0) {
      s.scratch.opus_est_position = p;
    }
  }
  return sv;
}

// A subject linked to a verb that cannot take the object found in its own
// word is moved to a transitive reading of that verb.
void prefer_transitive_reading(SentenceView& s) {
  SyntaxScratch& sc = s.scratch;
  const int subject = sc.slots[kSubject], second = sc.slots[kSecond];
  if (subject < 0 || second < 0 || s.pos(second) != s.pos(subject)) return;
  const int old_verb = s.linked(subject, 0);
  if (old_verb < 0 || s.at(old_verb).speech != pos::verb || transitive(s.at(old_verb))) return;
  const int vp = s.pos(old_verb);
  for (int v = s.first_of(vp); v < s.end_of(vp); ++v) {
    if (!s.is(v, pos::verb)) continue;
    const WordAnalysis& a = s.at(v);
    if (a.verb_kind() != verb_kind::trans && a.complement() != complement::trans &&
        a.role_code() != 7)
      continue;
    WordAnalysis& subj = s.at(subject);
    subj.set_link(0, subj.link(1));
    subj.set_link(1, -1);
    sc.slots[kMainVerb] = static_cast<std::int16_t>(v);
    link_pair(s, subject, v);
    s.at(old_verb).set_link(0, -1);
    return;
  }
}

// The personal pronoun code of a first or second person verb, 0 otherwise.
int person_code(const WordAnalysis& a) {
  const bool plural = a.number() == number::plur;
  if (a.person() == 1) return plural ? kNos : kEgo;
  if (a.person() == 2) return plural ? kVos : kTu;
  return 0;
}

void verb_constructions(SentenceView& s, const Segment& seg, Survey& sv) {
  SyntaxScratch& sc = s.scratch;
  int best_person_rarity = 1 << 20;
  for (int i = seg.first; i <= seg.last; ++i) {
    if (!s.is(i, pos::verb)) continue;
    const WordAnalysis& a = s.at(i);
    const int first = s.first_live_of(a.position.get());
    const int er = effective_rarity(s, i);
    if (er > effective_rarity(s, first) + 2) continue;
    sv.transitive_verb = sv.transitive_verb || (is_finite(a) && transitive(a));
    if (same_person(s, i) && sc.person_code == 0) sc.person_code = person_code(a);
    if (a.latin_text() == "uel.im") sv.wish = 2;
    if (means_exactly(a, "be") && a.mood() != mood::inf) ++sv.be_verbs;
    if (a.verb_kind() == verb_kind::modal || a.complement() == complement::modal ||
        means_exactly(a, "must") || means_exactly(a, "ought") || means_exactly(a, "order") ||
        means_exactly(a, "wish"))
      sv.modal_pos = a.position.get();
    if (takes_dative(a) || says_or_gives(a)) ++sv.dative_verbs;
    if ((a.person() == 1 || a.person() == 2) && er < best_person_rarity) {
      best_person_rarity = er;
      sc.person_code = person_code(a);
    }
    if (a.mood() == mood::sub) sv.subjunctive = true;
    if (a.mood() == mood::inf && a.position.get() != sv.modal_pos) ++sv.infinitives;
  }
}

// --- Scoring ------------------------------------------------------------------

// The ending of the analysed form tells a nominal from a verb: -ae, -ibus, -um
// end nouns, -re a verb.
struct Ending {
  std::string_view text;
  int word_class;
};
constexpr Ending kEndings[] = {{"a", 1},  {"ae", 1}, {"am", 1},   {"as", 1}, {"e", 1},
                               {"em", 1}, {"es", 1}, {"i", 1},    {"ibus", 1}, {"is", 1},
                               {"os", 1}, {"re", 7}, {"um", 1},   {"us", 1}};

int word_class(Code speech) {
  switch (speech) {
    case pos::noun:
    case pos::pron:
    case pos::adj:
    case pos::num:
    case pos::vpar:
    case pos::supine: return 1;
    case pos::verb: return 7;
    default: return 0;
  }
}

int ending_term(const WordAnalysis& a) {
  std::string_view t = a.latin_text();
  const auto dot = t.find('.');
  if (dot == std::string_view::npos) return -5;
  const int stem = static_cast<int>(dot);
  std::string_view ending = t.substr(dot + 1);
  if (ending.empty()) return 5 - stem;
  int term = -stem;
  auto it = std::lower_bound(std::begin(kEndings), std::end(kEndings), ending,
                             [](const Ending& e, std::string_view x) { return e.text < x; });
  if (it != std::end(kEndings) && it->text == ending && it->word_class == word_class(a.speech))
    term += 5;
  return term;
}

// The commonest reading of each kind so far in the segment: rarer ones of the
// same kind lose points.
struct ClassMinimum {
  std::array<int, 40> minimum{};
  ClassMinimum() { minimum.fill(99); }
  static int index(const WordAnalysis& a) {
    if (a.speech == pos::verb) {
      if (a.verb_kind() == verb_kind::trans || a.complement() == complement::trans) return 37;
      if (a.verb_kind() == verb_kind::intrans || a.complement() == complement::intrans ||
          a.complement() == complement::dat || a.complement() == complement::abl)
        return 38;
      return 39;
    }
    return a.speech < 37 ? a.speech : 0;
  }
  int penalty(const WordAnalysis& a, int er) {
    int& m = minimum[static_cast<std::size_t>(index(a))];
    if (er > m) return 10 * (er - m);
    m = er;
    return 0;
  }
};

bool comma_or_o_before(const SentenceView& s, int p) {
  const int f = s.first_live_of(p - 1);
  if (f < 0) return p == 0;
  const WordAnalysis& w = s.at(f);
  return (w.speech == pos::punct && w.punctuation() == 1) || equals_nocase(w.latin_text(), "o.");
}

// Whether word p is written with a capital where no sentence or clause
// opens (after a word or a comma): the writer means a name.
bool written_as_name(const SentenceView& s, int p) {
  if (p <= 0 || p >= s.words.token_count()) return false;
  const std::string_view form = s.words.token(p);
  if (form.empty() || !is_ascii_upper(form[0]) || starts_with_nocase(form, "PUNCT")) return false;
  const int f = s.first_live_of(p - 1);
  if (f < 0) return false;
  const WordAnalysis& w = s.at(f);
  return w.speech != pos::punct || w.punctuation() == 1;
}

bool capitalised_meaning(std::string_view m) { return !m.empty() && is_ascii_upper(m[0]); }

bool names_someone(std::string_view m) {
  for (std::size_t k = 0; k < m.size(); ++k)
    if (is_ascii_upper(m[k]) && (k == 0 || m[k - 1] == ' ' || m[k - 1] == '/')) return true;
  return false;
}

// A reading from a lower-case entry of a word written as a name, when the
// dictionary has the name too ("Rheno" is the Rhine, not a fur cloak). A
// reading that names it as well ("of the Helvetii") is no common word.
bool common_reading_of_name(const SentenceView& s, int i) {
  const int p = s.pos(i);
  if (!written_as_name(s, p) || names_someone(s.meaning(i))) return false;
  for (int j = s.first_of(p); j < s.end_of(p); ++j)
    if (s.live(j) && capitalised_meaning(s.meaning(j))) return true;
  return false;
}

// The value of a reading by its part of speech, its case and what the
// segment holds.
int base_value(const SentenceView& s, int i, const Survey& sv, int partner) {
  const WordAnalysis& a = s.at(i);
  const SyntaxScratch& sc = s.scratch;
  int v = 0;
  if (common_reading_of_name(s, i)) v -= kCommonReadingOfName;
  if (partner >= 0 && s.at(partner).speech == pos::noun &&
      s.at(partner).grammatical_case() == gcase::gen)
    v += sc.slots[kObject] == partner ? 25 : 10;
  switch (a.speech) {
    case pos::conj:
      // "quod" without a neuter word before it to refer to is "because" or
      // "that" (dico quod, eo quod), not the relative pronoun.
      if (equals_nocase(a.latin_text(), "quod."))
        v += kQuodConjunctionValue[quod_conjunction_strength(s, a.position.get())];
      return v;
    case pos::interj:
      // "a" is the preposition far more often than the cry "ah!".
      return v - (has_reading(s, a.position.get(), pos::prep) ? kInterjectionOrPreposition : 0);
    case pos::punct:
    case pos::tackon: return v;
    case pos::adv:
    case pos::adv2:
      // male, tantum, primum, solum: a form that is also an adjective with
      // nothing to agree with is the adverb.
      if (unlinked_modifier_word(s, a.position.get())) v += kLoneAdjectiveAdverb;
      return v + function_adverb_value(s, a);
    case pos::prep:
      // mecum, secum, quibuscum written apart: cum after the pronoun it governs.
      if (equals_nocase(a.latin_text(), "cum.") &&
          word_is_any(s, a.position.get() - 1,
                      {"m.e", "t.e", "s.e", "n.obis", "u.obis", "qu.ibus", "qu.o", "qu.a"}))
        v += kPostposedCum;
      return v + (partner >= 0 ? 10 : -15);
    case pos::verb:
      if (a.mood() == mood::inf) return v + (sv.modal_pos >= 0 ? 8 : 2);
      if ((a.person() == 2 && !sc.addressed) || (a.person() == 1 && !sc.speaker)) v -= 12;
      if (a.mood() == mood::imp) return v + (sv.verb_words > 1 ? -5 : 0);
      return v + (is_finite(a) ? 10 : 0);
    default: break;
  }
  const int subject = sc.slots[kSubject];
  const int verb = sc.slots[kMainVerb];
  switch (a.grammatical_case()) {
    case gcase::nom:
      v += sv.verb_words > 0 ? 8 : 0;
      // The verb has its subject in another word: this one is more likely
      // an object, unless it agrees with that subject or the verb is "be".
      if (subject >= 0 && s.pos(subject) != a.position.get() && verb >= 0 &&
          !is_be(s.at(verb)) && !agree(s, i, subject) && subject_fits(s, i, verb))
        v -= 10;
      break;
    case gcase::acc:
      v += 4 + (sv.transitive_verb ? 6 : 0);
      if (sc.slots[kObject] == i) v += 8;
      break;
    case gcase::gen:
      // A genitive depends on a noun beside it: "regnum Dei", "Caesaris copiae".
      v += 2 + (noun_beside(s, a.position.get()) ? 15 : 0);
      break;
    case gcase::dat:
      v += sv.dative_verbs > 0 || sc.dative_verb_pos >= 0 ? 10 : 0;
      if (a.speech == pos::pron && !has_reading(s, a.position.get() - 1, pos::prep)) v += 6;
      if (person_noun(a) && !governed(s, i)) v += 6;
      break;
    case gcase::abl:
      v += 4;
      // A person stands in the ablative with a preposition (a, cum); alone,
      // its -o, -is form is the dative.
      if (person_noun(a) && !governed(s, i)) v -= 6;
      // The pronoun before a postposed cum is its ablative (me cum, quibus cum).
      if (a.speech == pos::pron && word_is_any(s, a.position.get() + 1, {"cum."})) v += 40;
      break;
    case gcase::voc: v += comma_or_o_before(s, a.position.get()) ? 0 : -12; break;
    case gcase::loc: {
      Code k = a.noun_kind();
      v += k == noun_kind::locale || k == noun_kind::proper ? 0 : -25;
      break;
    }
    default: break;
  }
  // An adjective with nothing to agree with: its adverb reading, if it has
  // one, is the likelier (vero, facile, multum).
  // An adjective standing as a noun ("boni", "omnes", "suum") is still the
  // adjective: a noun reading of the very same form is its dictionary's
  // substantive use.
  if (a.speech == pos::adj && partner < 0) {
    if (has_reading(s, a.position.get(), pos::adv))
      v -= 25;
    else if (!same_form_reading(s, i, pos::noun))
      v -= 8;
  }
  // The noun reading of an adjective's very form (omnes, suum, boni) is the
  // dictionary's substantive use of the adjective: the adjective is the reading.
  if (a.speech == pos::noun && same_form_reading(s, i, pos::adj)) v -= 30;
  if (a.speech == pos::noun && same_form_reading(s, i, pos::adj, true)) v -= 50;
  // A relative pronoun refers back to a word of its gender and number.
  if (a.speech == pos::pron && a.pronoun_kind() == pronoun_kind::rel && !antecedent(s, i)) v -= 12;
  // A perfect participle beside a form of "be" makes a compound tense
  // ("factum est"), not a noun.
  if (a.speech == pos::vpar && a.tense() == tense::perf && be_nearby(s, a.position.get()))
    v += 20;
  // A neuter that can be nominative or accusative is the object of an active
  // transitive verb more often than its subject.
  if (a.grammatical_case() == gcase::nom && a.gender() == gender::neuter && verb >= 0 &&
      transitive(s.at(verb)) && s.at(verb).voice() == voice::active &&
      (subject < 0 || s.pos(subject) != a.position.get()))
    v -= 10;
  return v;
}

struct Walk {
  ClassMinimum classes;
};

// What one link is worth to reading i: a common partner, a two-way link, a
// partner close by (a little more when the partner follows).
int link_value(const SentenceView& s, int i, int partner, const Segment& seg) {
  const WordAnalysis& a = s.at(i);
  const SyntaxScratch& sc = s.scratch;
  int total = (10 - effective_rarity(s, partner)) * 7;
  for (int k = kObject; k <= kSubject; ++k)
    if (sc.slots[static_cast<std::size_t>(k)] == partner) total += 10;
  const WordAnalysis& w = s.at(partner);
  const int back = s.linked(partner, 0);
  if (w.link(0) == i || w.link(1) == i || (back >= 0 && s.at(back).speech == pos::verb))
    total += 20;
  const int gap = std::abs(s.pos(partner) - a.position.get());
  if (gap == 1) total += 25;
  total += a.position.get() < s.pos(partner) ? 20 - std::min(20, 4 * gap)
                                             : 20 - std::min(20, 2 * gap);
  // An earlier word already chose another reading of the partner's word.
  if (s.pos(partner) > a.position.get()) {
    for (int q = s.pos(seg.first); q < a.position.get(); ++q) {
      const int c = sc.chosen[static_cast<std::size_t>(q)];
      if (c < 0) continue;
      bool other_reading = false, to_me = false;
      for (int k = 0; k < 2; ++k) {
        const int t = s.linked(c, k);
        if (t == i) to_me = true;
        if (t >= 0 && t != partner && s.pos(t) == s.pos(partner)) other_reading = true;
      }
      if (other_reading && !to_me) return total - 140;
    }
  }
  return total;
}

int score(SentenceView& s, int i, const Segment& seg, const Survey& sv, Walk& walk) {
  const WordAnalysis& a = s.at(i);
  const SyntaxScratch& sc = s.scratch;
  const int er = effective_rarity(s, i);
  const int partner = s.linked(i, 0);
  int total = base_value(s, i, sv, partner) + ending_term(a);
  // Every agreement counts: a reading bound to its verb and its adjective
  // outweighs one bound to the adjective alone.
  if (a.grammatical_case() != gcase::voc) {
    for (int k = 0; k < 3; ++k) {
      const int l = s.linked(i, k);
      if (l >= 0 && s.live(l)) total += link_value(s, i, l, seg) * (k == 0 ? 2 : 1) / 2;
    }
  }
  if (s.scratch.targeted[static_cast<std::size_t>(i)]) total += 20;
  if (sc.slots[kSubject] == i || sc.slots[kSecond] == i) total += 10;
  if (sc.slots[kMainVerb] == i) total += sc.aux[kAgreeingVerb] == i ? 20 : 10;
  total -= 2 * er;
  if (er == 0) {
    total += 25;
  } else if (er <= 2) {
    bool lone_verb = a.speech == pos::verb && is_finite(a) && sv.verb_words == 1 &&
                     !has_infinitive(s, a.position.get());
    total += lone_verb ? 60 : 20;
  }
  if (a.speech == pos::noun && a.noun_kind() == noun_kind::variable) {
    std::string_view m = a.meaning_text();
    if ((sc.sense_context == 1 && begins_with_any(m, {"air", "breeze", "bird"})) ||
        (sc.sense_context == 2 && begins_with_any(m, {"money", "gold", "god"})))
      total += 35;
  }
  total -= walk.classes.penalty(a, er);
  return total;
}

void settle_word(SentenceView& s, int p, int best) {
  SyntaxScratch& sc = s.scratch;
  if (!s.valid_pos(p) || best < 0) return;
  sc.chosen[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(best);
  for (int k = 0; k < 3; ++k) {
    const int t = s.linked(best, k);
    if (t >= 0) sc.targeted[static_cast<std::size_t>(t)] = 1;
  }
}

void choose_in_segment(SentenceView& s, const Segment& seg, const Survey& sv) {
  Walk walk;
  int current = -1, best = -1, best_score = 0;
  for (int i = seg.first; i <= seg.last; ++i) {
    if (!s.live(i)) continue;
    const int p = s.pos(i);
    if (p != current) {
      settle_word(s, current, best);
      current = p;
      best = -1;
    }
    const int value = s.at(i).speech == pos::punct ? 0 : score(s, i, seg, sv, walk);
    if (best < 0 || value > best_score) {
      best = i;
      best_score = value;
    }
  }
  settle_word(s, current, best);
}

// --- Clause counts and the vocative swap ----------------------------------------

void count_clause(SentenceView& s, int clause, const Segment& seg, const Survey& sv) {
  SyntaxScratch& sc = s.scratch;
  auto& subjects = sc.nominal_subjects[static_cast<std::size_t>(clause)];
  auto& thirds = sc.third_person_verbs[static_cast<std::size_t>(clause)];
  int found = 0;
  for (int p = s.pos(seg.first); p <= s.pos(seg.last); ++p) {
    if (!s.valid_pos(p)) continue;
    const int c = sc.chosen[static_cast<std::size_t>(p)];
    if (c < seg.first || c > seg.last) continue;
    const WordAnalysis& a = s.at(c);
    const int weight = a.number() == number::plur ? 2 : 1;
    Code k = a.pronoun_kind();
    bool nominal = a.speech == pos::noun || a.speech == pos::sadj || a.speech == pos::num ||
                   (a.speech == pos::pron && k != pronoun_kind::demonst &&
                    k != pronoun_kind::adject);
    const int l = s.linked(c, 0);
    bool free = l < 0 || (s.at(l).speech != pos::noun && s.at(l).speech != pos::pron);
    if (nominal && a.grammatical_case() == gcase::nom && free) {
      subjects = static_cast<std::int16_t>(subjects + weight);
      ++found;
      if (a.speech == pos::noun && sc.clause_subject[static_cast<std::size_t>(clause)] < 0)
        sc.clause_subject[static_cast<std::size_t>(clause)] = static_cast<std::int16_t>(c);
      if (!sv.any_verb) sc.pending_subjects.push(c);
    }
    if (a.speech == pos::verb && a.person() == 3)
      thirds = static_cast<std::int16_t>(thirds + weight);
  }
  (void)found;
}

void take_pending_subject(SentenceView& s, int clause) {
  SyntaxScratch& sc = s.scratch;
  auto& subjects = sc.nominal_subjects[static_cast<std::size_t>(clause)];
  if (clause == 0 || subjects != 0 || sc.pending_subjects.count == 0) return;
  const Clause& cl = sc.clauses[static_cast<std::size_t>(clause)];
  bool finite = false;
  for (int i = cl.first; i <= cl.last && !finite; ++i) finite = s.live(i) && is_finite(s.at(i));
  if (!finite) return;
  if (s.latin(cl.first - 1).starts_with("\"")) return;
  subjects = 1;
  sc.pending_subjects.count--;
}

void vocative_swap(SentenceView& s) {
  SyntaxScratch& sc = s.scratch;
  if (sc.vocative_a < 0 || sc.vocative_b < 0) return;
  const int p = s.pos(sc.vocative_a);
  auto& ch = sc.chosen;
  if (p < s.pos(sc.vocative_b)) {
    if (p + 4 >= s.positions()) return;
    std::rotate(ch.begin() + p + 1, ch.begin() + p + 4, ch.begin() + p + 5);
  } else {
    if (p - 4 < 0) return;
    std::rotate(ch.begin() + p - 4, ch.begin() + p - 3, ch.begin() + p);
  }
}

}  // namespace

void choose_analyses(SentenceView& s) {
  SyntaxScratch& sc = s.scratch;
  sc.dominant_verb_code = dominant_verb_code(s);
  sc.sense_context = sense_context(s);
  sc.addressed = person_present(s, 2);
  sc.speaker = person_present(s, 1);
  sc.opus_est_position = -1;
  sc.chosen.fill(-1);
  sc.targeted.fill(0);
  sc.pending_subjects.clear();
  for (int c = 0; c < sc.clause_count; ++c) {
    sc.clause_subject[static_cast<std::size_t>(c)] = -1;
    sc.nominal_subjects[static_cast<std::size_t>(c)] = 0;
    sc.third_person_verbs[static_cast<std::size_t>(c)] = 0;
  }
  for (int c = 0; c < sc.clause_count; ++c) {
    const Clause cl = sc.clauses[static_cast<std::size_t>(c)];
    make_segments(s, cl);
    for (int g = 0; g < sc.segment_count; ++g) {
      const Segment seg = sc.segments[static_cast<std::size_t>(g)];
      Survey sv = survey_segment(s, seg);
      sc.reset_slots();
      sc.person_code = 0;
      if (sv.any_verb || sv.unlinked_nominative_participles > 0) assign_roles(s, seg.first, seg.last);
      prefer_transitive_reading(s);
      verb_constructions(s, seg, sv);
      choose_in_segment(s, seg, sv);
      count_clause(s, c, seg, sv);
    }
    take_pending_subject(s, c);
  }
  vocative_swap(s);
}

}  // namespace kelvo::syntax
