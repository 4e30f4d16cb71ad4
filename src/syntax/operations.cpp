#include "syntax/operations.h"

namespace kelvo::syntax {

using namespace grammar;

namespace {

// The flags of i's word that keep other readings alive when i is settled.
struct WordReadings {
  bool prep = false;
  bool adjective_like = false;
};

WordReadings word_readings(const SentenceView& s, const WordAnalysis& k) {
  WordReadings r;
  std::uint8_t flags = s.flags_of(k.position.get());
  bool nominal = k.speech == pos::noun || k.speech == pos::adj ||
                 (k.speech == pos::vpar && k.mood() == mood::adj_like);
  if (nominal) r.prep = (flags & 4) != 0;
  if (k.speech == pos::noun) r.adjective_like = (flags & 2) != 0;
  return r;
}

// A preposition reading that is its word's last of that part of speech in a
// row: the record a noun's link to a preposition should lead to.
bool settled_prep(const SentenceView& s, int w) {
  return s.is(w, pos::prep) && s.speech(w + 1) != pos::prep;
}

// Part of speech of what k links to, and whether that is a preposition.
Code link_target(const SentenceView& s, int k, bool& to_prep) {
  to_prep = false;
  int w = s.linked(k, 0);
  if (w >= 0 && settled_prep(s, w)) {
    to_prep = true;
    return pos::prep;
  }
  int w2 = s.linked(k, 1);
  if (w2 < 0) return 0;
  to_prep = settled_prep(s, w2);
  return s.speech(w2);
}

// Whether the settling of k still leaves o alive (the rules run in order).
bool survives(SentenceView& s, int k_index, int o_index, const WordReadings& readings,
              Code target, bool to_prep) {
  const WordAnalysis& k = s.at(k_index);
  WordAnalysis& o = s.at(o_index);
  if (!to_prep && ((readings.adjective_like && o.role_code() == 4) ||
                   (readings.prep && o.speech == pos::prep)))
    return true;
  if (k.speech == pos::pron && k.meaning_text() == "which" && o.speech == pos::pron &&
      o.pronoun_kind() == k.pronoun_kind() && o.grammatical_case() == k.grammatical_case() &&
      o.number() == k.number() && o.meaning_text() == "which") {
    if (o.gender() == k.gender()) o.set_link(0, k.link(0));
    return true;
  }
  if (target != 0 && o.speech == k.speech) {
    char preferred = s.area();
    char ka = analysis_area_letter(k), oa = analysis_area_letter(o);
    if (preferred != 0 && oa == preferred && ka != preferred) return true;
    if (o.latin_text() == k.latin_text() && o.meaning_text() == k.meaning_text() &&
        !agree(s, o_index, k_index) && o.link(0) >= 0 &&
        (o.speech != pos::pron || o.pronoun_kind() == k.pronoun_kind()))
      return true;
  }
  int ko = s.linked(k_index, 0), oo = s.linked(o_index, 0);
  if (ko >= 0 && oo >= 0 && s.at(oo).rarity + o.rarity < s.at(ko).rarity + k.rarity) return true;
  if (o.speech == pos::prep && k.speech != pos::prep && !to_prep) return true;
  if (s.scratch.in_slot(o_index) && k.speech != pos::prep && k.speech != pos::tackon &&
      !(ko >= 0 && s.speech(ko) == pos::prep) &&
      (s.scratch.slots[kMainVerb] == o_index || o.speech == k.speech ||
       o.grammatical_case() != k.grammatical_case()))
    return true;
  return false;
}

void clear_repeated_second(WordAnalysis& a) {
  if (a.link(1) == a.link(0)) a.set_link(1, -1);
}

// Strikes o, the rival of the settled k: a preposition that governed o in k's
// case now governs k; a partner bound to o lets it go.
void strike_rival(SentenceView& s, int k_index, int o_index) {
  WordAnalysis& o = s.at(o_index);
  WordAnalysis& k = s.at(k_index);
  const int w = s.linked(o_index, 0);
  const bool hand_prep = w >= 0 && s.is(w, pos::prep) && o.speech == pos::noun &&
                         o.grammatical_case() == k.grammatical_case();
  s.strike(o_index);
  if (w < 0) return;
  WordAnalysis& wa = s.at(w);
  if (hand_prep) {
    k.set_link(k.link(0) < 0 ? 0 : 1, w);
    wa.set_link(0, k_index);
    clear_repeated_second(k);
    clear_repeated_second(wa);
    return;
  }
  if (wa.link(0) == o_index) {
    wa.set_link(0, wa.link(1));
    wa.set_link(1, -1);
  }
  o.set_link(0, o.link(1));
  o.set_link(1, -1);
}

}  // namespace

bool agree(const SentenceView& s, int ai, int bi) {
  if (!s.valid(ai) || !s.valid(bi)) return false;
  const WordAnalysis& a = s.at(ai);
  const WordAnalysis& b = s.at(bi);
  Code ca = a.grammatical_case(), cb = b.grammatical_case();
  if (ca != 0 && cb != 0 && ca != cb) return false;
  if (ca == gcase::invar || cb == gcase::invar) return false;
  if (a.speech == pos::pron && b.speech == pos::pron) {
    if (b.position.get() != a.position.get() + 1) return false;
    if (a.role_code() != 4 && b.role_code() != 1) return false;
    if (a.declension.get() == kDeclPlural || b.declension.get() == kDeclPlural) return false;
  }
  int la = s.linked(ai, 0), lb = s.linked(bi, 0);
  if (la >= 0 && s.pos(la) == b.position.get()) return false;
  if (lb >= 0 && s.pos(lb) == a.position.get()) return false;
  Code ga = a.gender(), gb = b.gender();
  if (ga != 0 && gb != 0) {
    auto fits = [](Code x, Code y) {
      if (x == gender::common) return y != gender::neuter;
      if (x == gender::m_nt) return y != gender::fem;
      return false;
    };
    if (!(ga == gb || fits(ga, gb) || fits(gb, ga))) return false;
  }
  Code na = a.number(), nb = b.number();
  if (na != 0 && nb != 0 && na != nb) return false;
  if (lb < 0) return true;
  // b is already bound: not to another reading of a's own word form.
  auto same_form_as_a = [&](int j) {
    return j >= 0 && s.speech(j) == a.speech && s.latin(j) == a.latin_text();
  };
  return !(same_form_as_a(lb) || same_form_as_a(s.linked(bi, 1)));
}

bool same_form_reading(const SentenceView& s, int i, grammar::Code speech, bool commoner) {
  const WordAnalysis& a = s.at(i);
  const int p = a.position.get();
  for (int j = s.first_of(p); j < s.end_of(p); ++j) {
    if (!s.is(j, speech)) continue;
    const WordAnalysis& w = s.at(j);
    if (w.grammatical_case() == a.grammatical_case() && w.number() == a.number() &&
        s.latin(j) == a.latin_text() && (!commoner || w.rarity <= a.rarity))
      return true;
  }
  return false;
}

bool same_person(const SentenceView& s, int i) {
  if (!s.valid(i)) return false;
  const WordAnalysis& a = s.at(i);
  int p = a.position.get();
  for (int j = s.first_of(p); j < s.end_of(p); ++j) {
    if (j == i || !s.live(j)) continue;
    const WordAnalysis& o = s.at(j);
    if (o.speech != pos::verb || o.person() != a.person() || o.number() != a.number())
      return false;
  }
  return true;
}

int personal_pronoun_code(const SentenceView& s, int i, int code) {
  if (!s.live(i)) return code;
  const WordAnalysis& a = s.at(i);
  if (a.speech != pos::pron || a.pronoun_kind() != pronoun_kind::pers ||
      a.grammatical_case() != gcase::nom)
    return code;
  std::string_view t = a.latin_text();
  if (t == "ego." || t == "egomet.") return kEgo;
  if (t == "tu." || t == "tutemet.") return kTu;
  if (t == "n.os") return kNos;
  if (t == "u.os") return kVos;
  return code;
}

bool means_exactly(const WordAnalysis& a, std::string_view text) {
  std::string_view m = a.meaning_text();
  if (!m.empty() && m[0] == '~') m.remove_prefix(1);
  return m == text;
}

bool is_be(const WordAnalysis& a) {
  if (a.speech != pos::verb) return false;
  std::string_view m = a.meaning_text();
  if (!m.empty() && m[0] == '~') m.remove_prefix(1);
  return m.starts_with("be") && (m.size() == 2 || m[2] == ' ' || m[2] == '/');
}

bool drop_candidate(SentenceView& s, int i) {
  if (!s.live(i) || s.scratch.in_slot(i)) return false;
  int p = s.pos(i);
  bool other = false;
  for (int j = s.first_of(p); j < i && !other; ++j) other = s.live(j);
  for (int j = i + 1; j < s.end_of(p) && !other; ++j)
    other = s.live(j) &&
            (s.scratch.relocated || s.at(j).grammatical_case() != gcase::voc);
  if (!other) return false;
  s.strike(i);
  WordAnalysis& a = s.at(i);
  a.set_link(0, a.link(1));
  a.set_link(1, -1);
  return true;
}

void keep_one(SentenceView& s, int i) {
  if (i < 0) {
    if (s.env.warnings) s.env.warnings->warn(kKeepNegativeMessage);
    return;
  }
  if (!s.live(i)) return;
  const WordReadings readings = word_readings(s, s.at(i));
  bool to_prep = false;
  const Code target = link_target(s, i, to_prep);
  const int p = s.pos(i);
  for (int o = s.first_of(p); o < s.end_of(p); ++o) {
    if (o == i || !s.live(o)) continue;
    if (!survives(s, i, o, readings, target, to_prep)) strike_rival(s, i, o);
  }
}

}  // namespace kelvo::syntax
