#include "formats/analysis_export.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

#include "base/fnv_hash.h"
#include "base/text.h"
#include "grammar/codes.h"
#include "text/input_text.h"

namespace kelvo::formats {

using namespace grammar;

namespace {

// Internal text is 8-bit (Windows-1252 for the few non-ASCII letters left).
void append_utf8(std::string& out, std::string_view text) {
  text::append_windows1252_as_utf8(text, out);
}

// `text` already UTF-8, as a JSON string.
void append_json_string_utf8(std::string& out, std::string_view utf8) {
  out.push_back('"');
  auto plain = [](char c) { return c != '"' && c != '\\' && static_cast<unsigned char>(c) >= 0x20; };
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    std::size_t run = i;
    while (run < utf8.size() && plain(utf8[run])) ++run;
    if (run > i) {
      out.append(utf8.data() + i, run - i);
      i = run;
      if (i == utf8.size()) break;
    }
    const char c = utf8[i];
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out.push_back(c);
        }
    }
  }
  out.push_back('"');
}

// An 8-bit text as a JSON string, in one pass: plain ASCII is copied a run
// at a time, the bytes past ASCII become UTF-8 (never escaped), the rest is
// escaped as append_json_string_utf8 escapes it.
void append_json_string(std::string& out, std::string_view text) {
  auto plain = [](unsigned char c) { return c >= 0x20 && c < 0x80 && c != '"' && c != '\\'; };
  std::size_t i = 0;
  while (i < text.size() && plain(static_cast<unsigned char>(text[i]))) ++i;
  if (i == text.size()) {  // nearly every string
    out.push_back('"');
    out.append(text);
    out.push_back('"');
    return;
  }
  thread_local std::string utf8;  // reused: no allocation per string
  utf8.clear();
  append_utf8(utf8, text);
  append_json_string_utf8(out, utf8);
}

void append_number(std::string& out, long long n) {
  char digits[24];
  out.append(digits, static_cast<std::size_t>(
                         std::to_chars(digits, digits + sizeof digits, n).ptr - digits));
}

// Whether two 8-bit texts show the same once written as UTF-8: equal, or
// differing only where each has a byte written as '?' (a literal one, or a
// byte Windows-1252 leaves undefined).
bool shows_as(std::string_view a, std::string_view b) {
  if (a == b) return true;
  if (a.size() != b.size()) return false;
  auto question = [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return c == '?' || u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D;
  };
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && !(question(a[i]) && question(b[i]))) return false;
  return true;
}

// The public enumerators keep the values of the codes the name tables use.
template <typename Enum>
Code code(Enum e) {
  return static_cast<Code>(e);
}

// The rule that produced a reading, for readers who want to weigh it.
const char* source_name(ReadingSource s) {
  switch (s) {
    case ReadingSource::dictionary: return "dictionary";
    case ReadingSource::spelling_variant: return "spelling-variant";
    case ReadingSource::addon: return "addon";
    case ReadingSource::prefix: return "prefix";
    case ReadingSource::numeral: return "numeral";
    case ReadingSource::pronoun_compound: return "pronoun-compound";
    case ReadingSource::derived: return "derived";
  }
  return "dictionary";
}

bool struck_out(const Reading& r) {
  return r.part_of_speech == PartOfSpeech::none || r.part_of_speech == PartOfSpeech::struck_out;
}

// Until sentence analysis chooses, the line shows the likeliest reading on
// its own: the commonest, and a vocative or locative only when nothing else fits.
int plausibility(const Reading& r) {
  int rank = r.rarity * 4;
  const PartOfSpeech p = r.part_of_speech;
  const bool nominal =
      p != PartOfSpeech::verb && p != PartOfSpeech::preposition && p != PartOfSpeech::punctuation;
  if (nominal && (r.grammatical_case == Case::vocative || r.grammatical_case == Case::locative))
    rank += 2;
  return rank;
}

// An attribute as the JSON shows it: a code's name, or the person's number.
struct Attr {
  const char* key = nullptr;
  std::string_view value;
  int number = 0;
  bool operator==(const Attr& o) const {
    return std::string_view(key) == o.key && shows_as(value, o.value) && number == o.number;
  }
};

// At most six attributes a reading (a verb's).
struct Attrs {
  Attr v[8];
  int n = 0;
  void push_back(Attr a) { v[n++] = a; }
  const Attr* begin() const { return v; }
  const Attr* end() const { return v + n; }
  bool operator==(const Attrs& o) const { return std::equal(begin(), end(), o.begin(), o.end()); }
};

// One attribute the exports show: its key, the reading's code for it, and
// the code's name (none for the person, which shows as its number).
struct AttrField {
  const char* key;
  int (*code_of)(const Reading&);
  std::string_view (*name)(Code);
};

// A field's code, as the name tables take it.
template <auto Field>
int code_at(const Reading& r) {
  return code(r.*Field);
}
int person_of(const Reading& r) { return r.person; }

constexpr AttrField kCaseField{"case", code_at<&Reading::grammatical_case>, case_name};
constexpr AttrField kNumberField{"number", code_at<&Reading::number>, number_name};
constexpr AttrField kGenderField{"gender", code_at<&Reading::gender>, gender_name};
constexpr AttrField kComparisonField{"comparison", code_at<&Reading::comparison>,
                                     comparison_name};
constexpr AttrField kTenseField{"tense", code_at<&Reading::tense>, tense_name};
constexpr AttrField kVoiceField{"voice", code_at<&Reading::voice>, voice_name};
constexpr AttrField kMoodField{"mood", code_at<&Reading::mood>, mood_name};
constexpr AttrField kPersonField{"person", person_of, nullptr};
constexpr AttrField kVerbKindField{"verb_kind", code_at<&Reading::verb_kind>, verb_kind_name};
constexpr AttrField kNounKindField{"noun_kind", code_at<&Reading::noun_kind>, noun_kind_name};
constexpr AttrField kPronounKindField{"pronoun_kind", code_at<&Reading::pronoun_kind>,
                                      pronoun_kind_name};
constexpr AttrField kNumeralSortField{"numeral_sort", code_at<&Reading::numeral_sort>,
                                      numeral_sort_name};

// The attributes a part of speech shows, in the order the JSON writes them.
std::span<const AttrField> attribute_fields(PartOfSpeech p) {
  static constexpr AttrField kNoun[] = {kNounKindField, kCaseField, kNumberField, kGenderField};
  static constexpr AttrField kPronoun[] = {kPronounKindField, kCaseField, kNumberField,
                                           kGenderField};
  static constexpr AttrField kPack[] = {kPronounKindField};
  static constexpr AttrField kAdjective[] = {kCaseField, kNumberField, kGenderField,
                                             kComparisonField};
  static constexpr AttrField kNumeral[] = {kCaseField, kNumberField, kGenderField,
                                           kNumeralSortField};
  static constexpr AttrField kAdverb[] = {kComparisonField};
  static constexpr AttrField kVerb[] = {kTenseField,  kVoiceField,  kMoodField,
                                        kPersonField, kNumberField, kVerbKindField};
  static constexpr AttrField kParticiple[] = {kCaseField,  kNumberField, kGenderField,
                                              kTenseField, kVoiceField,  kMoodField,
                                              kVerbKindField};
  static constexpr AttrField kSupine[] = {kCaseField, kNumberField, kGenderField};
  static constexpr AttrField kPreposition[] = {kCaseField};
  using P = PartOfSpeech;
  switch (p) {
    case P::noun: return kNoun;
    case P::pronoun: return kPronoun;
    case P::pronoun_pack: return kPack;
    case P::adjective:
    case P::substantive_adjective: return kAdjective;
    case P::numeral: return kNumeral;
    case P::adverb:
    case P::conjunctive_adverb: return kAdverb;
    case P::verb: return kVerb;
    case P::participle: return kParticiple;
    case P::supine: return kSupine;
    case P::preposition: return kPreposition;
    default: return {};
  }
}

// Calls `f` with each attribute the reading shows, in order; an attribute
// with code 0 is not shown.
template <typename F>
void for_each_attribute(const Reading& r, F f) {
  for (const AttrField& field : attribute_fields(r.part_of_speech)) {
    const int c = field.code_of(r);
    if (c == 0) continue;
    f(field.name ? Attr{field.key, field.name(static_cast<Code>(c)), 0} : Attr{field.key, {}, c});
  }
}

Attrs attributes(const Reading& r) {
  Attrs v;
  for_each_attribute(r, [&v](const Attr& a) { v.push_back(a); });
  return v;
}

// attributes(a) == attributes(b), told from the codes where it can be: two
// readings of one part of speech show the same keys, and a key's values
// match when the codes do; names are looked up only for codes that differ.
bool same_attributes(const Reading& a, const Reading& b) {
  if (a.part_of_speech != b.part_of_speech) return attributes(a) == attributes(b);
  for (const AttrField& f : attribute_fields(a.part_of_speech)) {
    const int ca = f.code_of(a), cb = f.code_of(b);
    if (ca == cb) continue;
    if (!f.name || ca == 0 || cb == 0) return false;
    if (!shows_as(f.name(static_cast<Code>(ca)), f.name(static_cast<Code>(cb)))) return false;
  }
  return true;
}

}  // namespace

namespace {

const char* upos_name(const Reading& r) {
  using P = PartOfSpeech;
  switch (r.part_of_speech) {
    case P::noun:
      return (r.noun_kind == NounKind::proper || r.noun_kind == NounKind::place ||
              r.noun_kind == NounKind::country)
                 ? "PROPN"
                 : "NOUN";
    case P::pronoun:
    case P::pronoun_pack: return "PRON";
    case P::adjective:
    case P::substantive_adjective: return "ADJ";
    case P::numeral: return "NUM";
    case P::adverb:
    case P::conjunctive_adverb: return "ADV";
    case P::verb:
    case P::participle:
    case P::supine: return "VERB";
    case P::preposition: return "ADP";
    case P::conjunction: return "CCONJ";
    case P::interjection: return "INTJ";
    case P::tackon: return "PART";
    case P::punctuation: return "PUNCT";
    default: return "X";
  }
}

// The features UD gives a Latin word, in the order it writes them (by name,
// ignoring case); no name is the start of another, so this is also the order
// of the "Name=Value" texts.
enum FeatSlot : std::size_t {
  kAspect, kCase, kDegree, kGender, kMood, kNumber, kNumType, kPerson, kPronType, kTense,
  kVerbForm, kVoice, kFeatSlots
};
constexpr std::string_view kFeatNames[kFeatSlots] = {
    "Aspect", "Case",  "Degree",   "Gender", "Mood",     "Number",
    "NumType", "Person", "PronType", "Tense", "VerbForm", "Voice"};
static_assert(std::is_sorted(std::begin(kFeatNames), std::end(kFeatNames),
                             [](std::string_view x, std::string_view y) {
                               return std::lexicographical_compare(
                                   x.begin(), x.end(), y.begin(), y.end(),
                                   [](char a, char b) {
                                     auto lower = [](char c) {
                                       return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
                                     };
                                     return lower(a) < lower(b);
                                   });
                             }));

// Each slot filled at most once; written in slot order, so nothing is sorted.
void append_feats(std::string& out, const Reading& r) {
  std::array<std::string_view, kFeatSlots> f{};
  // Each feature table is indexed by the reading's code; 0, an empty name and
  // codes past the table give no feature.
  auto feat = [&](FeatSlot slot, auto value, std::initializer_list<const char*> names) {
    const auto c = static_cast<std::size_t>(code(value));
    if (c >= 1 && c < names.size() && *names.begin()[c] != '\0') f[slot] = names.begin()[c];
  };
  auto gcase = [&] {
    feat(kCase, r.grammatical_case, {"", "Nom", "Voc", "Gen", "Loc", "Dat", "Abl", "Acc"});
  };
  auto nominal = [&] {
    gcase();
    feat(kNumber, r.number, {"", "Sing", "Plur"});
    feat(kGender, r.gender, {"", "Masc", "Fem", "Neut", "Fem,Masc", "Masc,Neut"});
  };
  auto degree = [&] { feat(kDegree, r.comparison, {"", "Pos", "Cmp", "Sup"}); };
  // The tense as UD writes it for Latin: Tense with Aspect (the imperfect is a
  // past of imperfect aspect, the perfect tenses have perfect aspect).
  auto tense = [&] {
    feat(kTense, r.tense, {"", "Pres", "Past", "Fut", "Past", "Pqp", "Fut"});
    feat(kAspect, r.tense, {"", "Imp", "Imp", "", "Perf", "Perf", "Perf"});
  };
  auto voice = [&] { feat(kVoice, r.voice, {"", "Act", "Pass"}); };
  using P = PartOfSpeech;
  switch (r.part_of_speech) {
    case P::noun:
      nominal();
      if (r.noun_kind == NounKind::gerund) f[kVerbForm] = "Ger";
      break;
    case P::pronoun:
      nominal();
      feat(kPronType, r.pronoun_kind, {"", "Prs", "Rel", "Prs", "Dem", "Int", "Ind", "Dem", "Ind"});
      break;
    case P::adjective:
    case P::substantive_adjective:
      nominal();
      degree();
      break;
    case P::numeral:
      nominal();
      feat(kNumType, r.numeral_sort, {"", "Card", "Ord", "Dist", "Mult"});
      break;
    case P::adverb:
    case P::conjunctive_adverb:
      degree();
      break;
    case P::verb:
      tense();
      voice();
      feat(kMood, r.mood, {"", "Ind", "Sub", "Imp"});
      if (r.person >= 1 && r.person <= 3)
        f[kPerson] = std::string_view("123").substr(static_cast<std::size_t>(r.person - 1), 1);
      feat(kNumber, r.number, {"", "Sing", "Plur"});
      f[kVerbForm] = r.mood == Mood::infinitive ? "Inf" : "Fin";
      break;
    case P::participle:
      nominal();
      tense();
      voice();
      f[kVerbForm] = r.mood == Mood::gerundive ? "Gdv" : "Part";
      break;
    case P::supine:
      gcase();
      f[kVerbForm] = "Sup";
      break;
    default:
      break;
  }
  // Written into a buffer and appended once: every name and value is short.
  char text[kFeatSlots * 24];
  std::size_t n = 0;
  auto put = [&](std::string_view piece) {
    piece.copy(text + n, piece.size());
    n += piece.size();
  };
  for (std::size_t k = 0; k < kFeatSlots; ++k) {
    if (f[k].empty()) continue;
    if (n > 0) put("|");
    put(kFeatNames[k]);
    put("=");
    put(f[k]);
  }
  if (n == 0) put("_");
  out.append(text, n);
}

}  // namespace

std::string ud_upos(const Reading& r) { return upos_name(r); }

std::string ud_feats(const Reading& r) {
  std::string out;
  append_feats(out, r);
  return out;
}

namespace {

// One reading as a JSON object: its identity in every format, so that two
// readings that would show the same are one. Appended to `out`.
void append_reading_json(std::string& out, const Reading& r, bool chosen) {
  out += "{\"lemma\":";
  append_json_string(out, r.lemma);
  out += ",\"pos\":";
  append_json_string(out, speech_name(code(r.part_of_speech)));
  for_each_attribute(r, [&out](const Attr& a) {
    out += ",\"";
    out += a.key;
    out += "\":";
    if (a.value.empty() && a.number != 0) {
      out += '"';
      append_number(out, a.number);
      out += '"';
    } else {
      append_json_string(out, a.value);
    }
  });
  out += ",\"analysis\":";
  append_json_string(out, r.form);
  out += ",\"meaning\":";
  append_json_string(out, r.meaning);
  out += ",\"source\":\"";
  out += source_name(r.source);
  out += "\"";
  if (r.entry == EntrySource::user_dictionary) out += ",\"user_dictionary\":true";
  if (chosen) out += ",\"chosen\":true";
  out += ",\"rarity\":\"";
  out.push_back(static_cast<char>(64 + std::clamp(r.rarity, 1, 26)));
  out += "\",\"age\":";
  append_number(out, r.age);
  out += '}';
}

// The readings of a token that the exports show, each once: punctuation
// readings aside (and, for the likeliest reading, struck-out ones), a reading
// the same as one before it in all that the JSON shows left out (the same form
// from two entries of the dictionary that differ only in their principal
// parts or their variant).
struct Shown {
  const Reading* reading;
  bool chosen = false;  // the sentence analysis chose it, or a reading just like it
  std::uint64_t key = 0;  // equal for readings shown alike (and for some others)
};

// A hash of part of what a reading's JSON shows, with every byte written as
// '?' taken as '?', so that readings shown alike have the same key: the form
// in full, the rest by sizes (the comparison does the rest). Readings of one
// word that differ only in their inflection share a key; the comparison
// tells them apart by their codes first.
std::uint64_t shown_key(const Reading& r) {
  std::uint64_t h = kFnvStart;
  auto mix = [&h](std::uint64_t v) { h = fnv_step(h, v); };
  auto shown_byte = [](char c) -> std::uint64_t {
    const auto u = static_cast<unsigned char>(c);
    const bool question = u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D;
    return question ? '?' : u;
  };
  mix(static_cast<std::uint64_t>(r.age));
  mix(static_cast<std::uint64_t>(std::clamp(r.rarity, 1, 26)));
  mix(speech_name(code(r.part_of_speech)).size());
  for (char c : r.form) mix(shown_byte(c));
  mix(r.lemma.size());
  mix(r.meaning.size());
  return h;
}

// Whether two readings have the same JSON (without the choice), told from
// their fields without writing it: the cheap differences first.
bool shown_alike(const Reading& a, const Reading& b) {
  return a.age == b.age && std::clamp(a.rarity, 1, 26) == std::clamp(b.rarity, 1, 26) &&
         (a.entry == EntrySource::user_dictionary) == (b.entry == EntrySource::user_dictionary) &&
         std::string_view(source_name(a.source)) == source_name(b.source) &&
         same_attributes(a, b) &&
         shows_as(speech_name(code(a.part_of_speech)), speech_name(code(b.part_of_speech))) &&
         shows_as(a.form, b.form) && shows_as(a.lemma, b.lemma) && shows_as(a.meaning, b.meaning);
}

// Fills `out` (reused by the caller, so no allocation per token).
void shown_readings(const Token& t, bool with_struck_out, std::vector<Shown>& out) {
  out.clear();
  for (std::size_t i = 0; i < t.readings.size(); ++i) {
    const Reading& r = t.readings[i];
    if (r.part_of_speech == PartOfSpeech::punctuation) continue;
    if (!with_struck_out && struck_out(r)) continue;
    const bool chosen = static_cast<int>(i) == t.chosen;
    const std::uint64_t key = shown_key(r);
    auto same = std::find_if(out.begin(), out.end(), [&](const Shown& earlier) {
      return earlier.key == key && shown_alike(*earlier.reading, r);
    });
    if (same == out.end())
      out.push_back({&r, chosen, key});
    else
      same->chosen = same->chosen || chosen;
  }
}

// The tokens in the order the text writes them. The analysis holds an
// enclitic before its word, the order English reads them ("que" "esset" for
// essetque); the exports give the word first, as it is written.
// Only neighbours swap, so the order is its own inverse: order[k] is also the
// place where token k stands. Filled into the caller's buffer.
void surface_order(const Sentence& s, std::vector<std::size_t>& order) {
  const std::size_t n = s.tokens.size();
  order.resize(n);
  for (std::size_t i = 0; i < n; ++i) order[i] = i;
  for (std::size_t i = 0; i + 1 < n; ++i)
    if (s.tokens[i].enclitic_of == static_cast<int>(i + 1)) {
      std::swap(order[i], order[i + 1]);
      ++i;
    }
}

// Where token `index` stands in the surface order; -1 and indices out of
// range stay -1.
int placed(const std::vector<std::size_t>& order, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < order.size()
             ? static_cast<int>(order[static_cast<std::size_t>(index)])
             : -1;
}

std::string utf8_of(std::string_view internal) {
  std::string out;
  append_utf8(out, internal);
  return out;
}

}  // namespace

std::string sentence_to_json(const Sentence& s) { return sentence_to_json(s, utf8_of(s.text)); }

std::string sentence_to_json(const Sentence& s, std::string_view text) {
  std::string out;
  append_sentence_json(out, s, text);
  return out;
}

void append_sentence_json(std::string& out, const Sentence& s, std::string_view text) {
  thread_local std::vector<Shown> shown;
  thread_local std::vector<std::size_t> order;
  out += "{\"text\":";
  append_json_string_utf8(out, text);
  out += ",\"tokens\":[";
  surface_order(s, order);
  bool first_token = true;
  for (std::size_t i : order) {
    const Token& t = s.tokens[i];
    if (!first_token) out += ',';
    first_token = false;
    out += "{\"form\":";
    append_json_string(out, t.text);
    if (t.punctuation) out += ",\"punctuation\":true";
    // Split off the word at this index (counted from 0, as written).
    if (const int host = placed(order, t.enclitic_of); host >= 0) {
      out += ",\"enclitic_of\":";
      append_number(out, host);
    }
    if (!t.links.empty()) {
      // The tokens the chosen reading agrees with or governs, counted from 0.
      out += ",\"links\":[";
      for (std::size_t k = 0; k < t.links.size(); ++k) {
        if (k) out += ',';
        append_number(out, placed(order, t.links[k]));
      }
      out += ']';
    }
    out += ",\"analyses\":[";
    bool first = true;
    shown_readings(t, true, shown);
    for (const auto& one : shown) {
      if (!first) out += ',';
      first = false;
      append_reading_json(out, *one.reading, one.chosen);
    }
    out += "]}";
  }
  out += "]}";
}

std::string translation_to_json(const TranslatedSentence& t) {
  std::string out = "{\"text\":";
  append_json_string(out, t.latin.text);
  out += ",\"english\":";
  append_json_string(out, t.english);
  out += ",\"words\":[";
  for (std::size_t i = 0; i < t.words.size(); ++i) {
    if (i) out += ',';
    out += "{\"text\":";
    append_json_string(out, t.words[i].text);
    out += ",\"position\":";
    append_number(out, t.words[i].position);
    out += '}';
  }
  out += "],\"tokens\":[";
  for (std::size_t i = 0; i < t.latin.tokens.size(); ++i) {
    const Token& tok = t.latin.tokens[i];
    if (i) out += ',';
    out += "{\"position\":";
    append_number(out, static_cast<long long>(i));
    out += ",\"form\":";
    append_json_string(out, tok.text);
    out += ",\"begin\":";
    append_number(out, static_cast<long long>(tok.begin));
    out += ",\"end\":";
    append_number(out, static_cast<long long>(tok.end));
    if (tok.punctuation) out += ",\"punctuation\":true";
    const int c = i < t.chosen.size() ? t.chosen[i] : -1;
    out += ",\"chosen\":";
    if (!tok.punctuation && c >= 0 && static_cast<std::size_t>(c) < tok.readings.size())
      append_reading_json(out, tok.readings[static_cast<std::size_t>(c)], false);
    else
      out += "null";
    out += "}";
  }
  out += "]}";
  return out;
}

std::string sentence_to_conllu(const Sentence& s, int sentence_number) {
  return sentence_to_conllu(s, sentence_number, utf8_of(s.text));
}

std::string sentence_to_conllu(const Sentence& s, int sentence_number, std::string_view text) {
  std::string out = "# sent_id = " + std::to_string(sentence_number) + "\n";
  append_conllu_block(out, s, text);
  return out;
}

void append_conllu_block(std::string& out, const Sentence& s, std::string_view text) {
  // Written straight into one string: no string made per token or column.
  out += "# text = ";
  out += text;
  out += '\n';
  thread_local std::vector<Shown> shown;
  thread_local std::vector<std::size_t> order;
  surface_order(s, order);
  int id = 0;
  for (std::size_t w = 0; w < order.size(); ++w) {
    const Token& t = s.tokens[order[w]];
    ++id;
    // A word and the enclitic split off it are one token of the text, two
    // words: the multiword line "3-4 essetque" comes before them.
    if (w + 1 < order.size() && placed(order, s.tokens[order[w + 1]].enclitic_of) ==
                                    static_cast<int>(w)) {
      append_number(out, id);
      out += '-';
      append_number(out, id + 1);
      out += '\t';
      append_utf8(out, t.text);
      append_utf8(out, s.tokens[order[w + 1]].text);
      out += "\t_\t_\t_\t_\t_\t_\t_\t_\n";
    }
    append_number(out, id);
    out += '\t';
    append_utf8(out, t.text);
    out += '\t';
    const Reading* best = nullptr;
    shown_readings(t, false, shown);
    for (const auto& one : shown) {
      const Reading& r = *one.reading;
      if (!best || plausibility(r) < plausibility(*best)) best = &r;
    }
    const std::size_t count = shown.size();
    // The sentence analysis's choice, when it made one.
    if (t.chosen >= 0 && t.chosen < static_cast<int>(t.readings.size()) &&
        !struck_out(t.readings[static_cast<std::size_t>(t.chosen)]))
      best = &t.readings[static_cast<std::size_t>(t.chosen)];
    // A punctuation token's own reading names its mark.
    if (!best && t.punctuation)
      for (const Reading& r : t.readings)
        if (!struck_out(r) && !best) best = &r;
    if (!best) {
      out += "_\tX\t_\t_\t_\t_\t_\tAnalyses=0\n";
      continue;
    }
    const Reading& r = *best;
    std::string_view lemma = t.punctuation ? std::string_view(t.text) : std::string_view(r.lemma);
    if (lemma.empty()) lemma = "_";
    append_utf8(out, lemma);
    out += '\t';
    out += upos_name(r);
    out += '\t';
    out += speech_name(code(r.part_of_speech));
    if (r.declension != 0 || r.variant != 0) {
      out += ',';
      append_number(out, r.declension);
      out += ',';
      append_number(out, r.variant);
    }
    out += '\t';
    append_feats(out, r);
    out += "\t_\t_\t_\t";
    if (t.punctuation) {
      out += "_\n";
      continue;
    }
    // The first sense as the dictionary writes it, blanks and all.
    const std::string_view gloss = std::string_view(r.meaning).substr(0, r.meaning.find('/'));
    if (!gloss.empty()) {
      out += "Gloss=";
      const std::size_t at = out.size();
      append_utf8(out, gloss);
      for (std::size_t i = at; i < out.size(); ++i)
        if (out[i] == ' ' || out[i] == '|' || out[i] == '\t') out[i] = '_';
      out += '|';
    }
    out += "Analyses=";
    append_number(out, static_cast<long long>(count));
    if (!t.links.empty()) {
      // The tokens it agrees with or governs, by their ID in this block.
      out += "|Links=";
      for (std::size_t k = 0; k < t.links.size(); ++k) {
        if (k) out += ',';
        append_number(out, placed(order, t.links[k]) + 1);
      }
    }
    if (r.source != ReadingSource::dictionary) {
      out += "|Source=";
      out += source_name(r.source);
    }
    out += '\n';
  }
  out += '\n';
}

}  // namespace kelvo::formats
