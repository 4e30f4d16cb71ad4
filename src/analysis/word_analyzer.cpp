#include "analysis/word_analyzer.h"

#include <algorithm>
#include <cstring>

#include "analysis/unique_headwords.h"
#include "base/text.h"
#include "grammar/stem_search.h"

namespace kelvo::analysis {

using namespace grammar;

namespace {

// The i-, e- and eius- stems of idem (pronoun declension 4 2) are only words
// with their tackon -dem, which the tackon rule reads; alone they are "is,
// ea, id" and must not read "the same".
bool stem_needs_dem(const DictEntry& e) {
  return (e.speech & 0x1F) == pos::pron && e.which == 4 && e.variant == 2 &&
         !e.stem_text().ends_with("dem");
}

void note(AnalysisContext& ctx, const char* text) {
  if (ctx.log) ctx.log->write(text);
  if (ctx.warnings) ctx.warnings->warn(text);
}

// The low five bits of a part of speech are what inflections are matched by
// (SADJ 36 matches the ADJ endings).
Code speech_class(Code s) { return static_cast<Code>(s & 0x1F); }

// Perfect passive participle stems also carry the supines (-um, -u).
bool is_supine_ending(std::string_view ending) { return ending == "um" || ending == "u"; }

bool same_entry(const DictEntry& a, const DictEntry& b) {
  return std::memcmp(&a, &b, sizeof(DictEntry)) == 0;
}

}  // namespace

Candidate builtin_candidate(Code speech, std::string_view latin, std::string meaning,
                            Source source, const AnalysisContext& ctx) {
  Candidate c;
  c.origin.table = Origin::Table::builtin;
  c.origin.source = source;
  WordAnalysis& a = c.analysis;
  a.speech = speech;
  a.position.set(static_cast<std::int16_t>(ctx.position));
  a.word_number.set(static_cast<std::int16_t>(ctx.word_number));
  a.link1.set(-1);
  a.link2.set(-1);
  a.link3.set(-1);
  a.rarity = 1;
  set_field(a.latin, latin);
  set_analysis_meaning(a, meaning);
  set_field(a.english, meaning);
  c.origin.builtin_meaning = std::move(meaning);
  return c;
}

WordAnalyzer::WordAnalyzer(const Lexicon& lexicon, const userdata::UserDictionary* user,
                           const TranslationOptions& options)
    : lexicon_(lexicon), user_(user), options_(options) {}

SplitList WordAnalyzer::split_word(std::string_view word) {
  if (word.size() > kMaxSplitWordLength) word = word.substr(0, kMaxSplitWordLength);
  SplitList out;
  const int n = static_cast<int>(word.size());
  const int last = std::max(1, n - kMaxEndingLength);
  for (int k = n; k >= last; --k) {
    const auto at = static_cast<std::size_t>(k);
    out.push_back(Split{word.substr(0, at), word.substr(at)});
  }
  out.push_back(Split{".", word});
  return out;
}

std::span<const DictEntry> WordAnalyzer::stem_run(std::string_view stem) const {
  if (stem.empty()) return {};
  return StemSearch(lexicon_.letter_stems(stem[0])).find(stem);
}

std::span<const DictEntry> WordAnalyzer::capitalised_stem_run(std::string_view stem) const {
  if (stem.empty() || !is_ascii_lower(stem[0]) || stem.size() > sizeof(DictEntry::stem)) return {};
  char buf[sizeof(DictEntry::stem)];
  std::memcpy(buf, stem.data(), stem.size());
  buf[0] = static_cast<char>(buf[0] - 'a' + 'A');
  return stem_run(std::string_view(buf, stem.size()));
}

template <typename List>
int WordAnalyzer::add_stems(std::string_view stem, List& out, AnalysisContext& ctx) const {
  return add_entries(stem_run(stem), capitalised_stem_run(stem), out, ctx);
}

template <typename List>
int WordAnalyzer::add_entries(std::span<const DictEntry> lower, std::span<const DictEntry> capital,
                              List& out, AnalysisContext& ctx) const {
  int added = 0;
  const int limit = age_limit();
  for (auto run : {lower, capital}) {
    for (const DictEntry& e : run) {
      if (e.age > limit) continue;
      if (out.size() >= static_cast<std::size_t>(kMaxCandidateEntries)) {
        note(ctx, kTooManyStems);
        return added;
      }
      out.push_back(e);
      ++added;
    }
  }
  return added;
}

int WordAnalyzer::find_stems(std::string_view stem, std::vector<DictEntry>& out,
                             AnalysisContext& ctx) const {
  return add_stems(stem, out, ctx);
}

template <typename List>
int WordAnalyzer::add_user_stems(std::string_view stem, List& out) const {
  if (!user_) return 0;
  int added = 0;
  for (const auto& e : user_->find(stem)) {
    if (e.age > age_limit()) continue;
    if (out.size() >= static_cast<std::size_t>(kMaxCandidateEntries)) break;
    out.push_back(e);
    // User meanings are told from dictionary meanings by their offset.
    int m = e.meaning_index.get();
    if (m < userdata::kUserMeaningOffset) out.back().meaning_index.set(m + userdata::kUserMeaningOffset);
    ++added;
  }
  return added;
}

int WordAnalyzer::match_inflections(std::string_view ending, const DictEntry& entry,
                                    std::vector<InflectionRecord>& out,
                                    AnalysisContext& ctx) const {
  return add_inflections(lexicon_.inflections_of_ending(ending), ending, entry, out, ctx);
}

template <typename List>
int WordAnalyzer::add_inflections(const Lexicon::EndingInflections& ending_run,
                                  std::string_view ending, const DictEntry& entry, List& out,
                                  AnalysisContext& ctx) const {
  const std::span<const InflectionRecord> run = ending_run.records;
  if (run.empty()) return -1;
  const Code want = speech_class(entry.speech);
  // Most entries a stem finds have no record of their part of speech here.
  std::uint32_t wanted = std::uint32_t{1} << want;
  if (want == pos::verb && entry.stem_key < 3) wanted |= std::uint32_t{1} << pos::vpar;
  if (!(ending_run.speeches & wanted)) return 0;
  // A verb entry's present-system stems also carry the participle endings.
  auto class_of = [&](const InflectionRecord& r) -> Code {
    if (r.speech == pos::vpar && want == pos::verb && entry.stem_key < 3) return pos::verb;
    return r.speech;
  };
  // Skip ahead to the first record of this ending whose class can match (the
  // records of an ending are in the order of their part of speech).
  auto it = std::partition_point(run.begin(), run.end(),
                                 [&](const InflectionRecord& r) { return r.speech < want; });
  int added = 0;
  const int age = options_.age_value();
  for (; it != run.end(); ++it) {
    const InflectionRecord& r = *it;
    Code cls = class_of(r);
    if (cls > want) break;
    if (cls != want) continue;
    // Whether the record fits the entry; which and variant 0 fit every entry.
    if (r.which != 0 && entry.which != 0 && r.which != entry.which) continue;
    if (r.variant != 0 && entry.variant != 0 && r.variant != entry.variant) continue;
    if (entry.stem_key == 0 ? r.stem_key >= 3 : r.stem_key != entry.stem_key) continue;
    if (r.age > age) continue;
    switch (want) {
      case pos::noun: {
        Code g = r.gender();
        if (g == 0) g = entry.byte3;
        if (g == gender::common && (entry.byte3 == gender::masc || entry.byte3 == gender::fem))
          g = entry.byte3;
        if (entry.byte3 != 0 && g != entry.byte3) continue;
        if ((entry.kind == noun_kind::proper || entry.kind == noun_kind::locale) &&
            r.number() == number::plur && entry.extra != 2 &&
            !(ctx.written_lower_case && is_ascii_upper(entry.stem[0])))
          continue;
        if (ending == "e" && entry.which == 1 && entry.variant == 1 &&
            !(options_.medieval_phonetics && options_.age == Age::medieval))
          continue;
        break;
      }
      case pos::adv:
        if (r.comparison() != 0 && entry.byte3 != 0 && r.comparison() != entry.byte3) continue;
        break;
      case pos::prep:
        if (r.which == 0 && r.variant == 0 && r.grammatical_case() != entry.byte3) continue;
        break;
      default:
        break;
    }
    // The fitting record with which, variant and part of speech resolved.
    InflectionRecord c = r;
    if (r.which == 0) c.which = entry.which;
    if (r.variant == 0) c.variant = entry.variant;
    if (want == pos::adj && r.which == 0 && r.variant == 0) c.which = 99;
    if (want == pos::adj || want == pos::adv) c.speech = entry.speech;
    if (out.size() >= static_cast<std::size_t>(kMaxCandidateInflections)) {
      note(ctx, kTooManyInflections);
      break;
    }
    out.push_back(c);
    ++added;
    if (c.which == 0 && c.variant == 0) break;
  }
  return added;
}

Origin WordAnalyzer::origin_of(const DictEntry& e, Source source) const {
  Origin o;
  o.source = source;
  int m = e.meaning_index.get();
  if (m >= userdata::kUserMeaningOffset) {
    o.table = Origin::Table::user;
  } else if (e.area() == 13) {
    o.table = Origin::Table::botany;
  } else {
    o.table = Origin::Table::dictionary;
  }
  o.index = m;
  o.capitalised_entry = is_ascii_upper(e.stem[0]);
  return o;
}

const MeaningLine* WordAnalyzer::meaning_line(const Origin& o) const {
  switch (o.table) {
    case Origin::Table::dictionary:
      if (o.index >= 0 && static_cast<std::size_t>(o.index) < lexicon_.meanings().size())
        return &lexicon_.meanings()[static_cast<std::size_t>(o.index)];
      return nullptr;
    case Origin::Table::botany:
      if (o.index >= 0 && static_cast<std::size_t>(o.index) < lexicon_.botany_meanings().size())
        return &lexicon_.botany_meanings()[static_cast<std::size_t>(o.index)];
      return nullptr;
    case Origin::Table::user:
      return user_ ? user_->meaning(o.index) : nullptr;
    default:
      return nullptr;
  }
}

std::string_view WordAnalyzer::full_meaning(const Origin& o) const {
  if (o.table == Origin::Table::unique) {
    if (o.index >= 0 && static_cast<std::size_t>(o.index) < lexicon_.uniques().size())
      return lexicon_.uniques()[static_cast<std::size_t>(o.index)].meaning_text();
    return {};
  }
  if (o.table == Origin::Table::builtin) return o.builtin_meaning;
  if (o.table == Origin::Table::botany && !options_.botany) return "BOTANY-WORD";
  const MeaningLine* m = meaning_line(o);
  return m ? m->english_text() : std::string_view{};
}

std::string_view WordAnalyzer::first_sense(const Origin& o) const {
  const bool line = o.table == Origin::Table::dictionary || o.table == Origin::Table::user ||
                    (o.table == Origin::Table::botany && options_.botany);
  if (line) {
    // Read in place: no reading shows more than 32 bytes of it.
    const MeaningLine* m = meaning_line(o);
    return m ? field_view_until(m->english, '/', 32) : std::string_view{};
  }
  const std::string_view text = full_meaning(o);
  return text.substr(0, text.find('/'));
}

std::string_view WordAnalyzer::citation(const Origin& o) const {
  if (o.table == Origin::Table::unique) {
    if (o.index < 0 || static_cast<std::size_t>(o.index) >= lexicon_.uniques().size()) return {};
    const auto u = static_cast<std::size_t>(o.index);
    const std::vector<std::string>& cited = lexicon_.unique_citations(unique_citations);
    if (u < cited.size() && !cited[u].empty()) return cited[u];
    return lexicon_.uniques()[u].latin_text();
  }
  if (o.table == Origin::Table::botany && !options_.botany) return {};
  const MeaningLine* m = meaning_line(o);
  return m ? m->latin_text() : std::string_view{};
}

void WordAnalyzer::build_analysis(const DictEntry& entry, const InflectionRecord& infl,
                                  const Split& split, Source source, const Origin& origin,
                                  std::vector<Candidate>& out, AnalysisContext& ctx) const {
  Candidate& cand = out.emplace_back();
  cand.origin = origin;
  WordAnalysis& a = cand.analysis;
  DictEntry e = entry;
  Code speech = infl.speech;
  // Distributive numerals are read as adjectives ("-each").
  bool distributive = speech == pos::num && infl.numeral_sort() == numeral_sort::dist;
  Code which = infl.which, variant = infl.variant;
  if (distributive) {
    speech = pos::adj;
    which = variant = 1;
    e.which = e.variant = 1;
    e.kind = 0;
  }
  a.speech = speech;
  // The grammar bytes are filled layout for layout: bytes 1-2 and the entry's
  // gender, kind and complement from the entry, bytes 3-8 from the inflection,
  // whose layout per part of speech the analysis shares (a noun's byte 6 and a
  // preposition's are the entry's own).
  const bool verbal = speech == pos::verb || speech == pos::vpar;
  const Code verb_kind = static_cast<Code>(e.kind & 0x0F);
  const bool deponent = verbal && (verb_kind == verb_kind::dep || verb_kind == verb_kind::semidep);
  if (verbal) {
    a.b1 = verb_kind == verb_kind::dep ? e.byte3 : static_cast<Code>(e.kind >> 4);
    a.b2 = verb_kind;
  } else {
    a.b1 = e.byte3;
    a.b2 = e.kind;
  }
  a.b3 = infl.b3;
  a.b4 = infl.b4;
  if (speech == pos::verb && deponent) a.b4 = voice::active;
  a.b5 = infl.b5;
  if ((speech == pos::noun || speech == pos::pron) &&
      (a.b5 == 0 || a.b5 == gender::common) && e.byte3 != 0)
    a.b5 = e.byte3;
  if (speech == pos::noun) {
    a.b6 = e.extra;
  } else if (speech == pos::prep) {
    a.b6 = e.kind;
  } else {
    a.b6 = infl.b6;
  }
  if (distributive) a.b6 = comparison::pos;
  a.b7 = infl.b7;
  if (speech == pos::adv2) a.b7 = 1;
  a.b8 = infl.b8;
  switch (speech) {
    case pos::verb:
    case pos::conj: a.b8 = e.byte3; break;
    case pos::adj:
    case pos::sadj:
    case pos::adv: a.b8 = e.kind; break;
    case pos::pron:
      if (e.extra == 8) a.b8 = 8;
      break;
    default: break;
  }
  if (speech == pos::vpar) {
    // Passive participles read as gerundives (future) or adjectives; active
    // present and future participles as adjectives.
    if (infl.voice() == voice::passive) {
      a.set_mood(infl.tense() == tense::fut ? mood::ger : mood::adj_like);
    } else if (infl.tense() == tense::pres || infl.tense() == tense::fut) {
      a.set_mood(mood::adj_like);
    }
  }
  a.stem_key = infl.stem_key;
  a.position.set(static_cast<std::int16_t>(ctx.position));
  a.word_number.set(static_cast<std::int16_t>(ctx.word_number));
  a.link1.set(-1);
  a.link2.set(-1);
  a.link3.set(-1);

  int rarity = e.rarity();
  if (rarity != 10) {
    if (speech == pos::verb && infl.mood() != mood::inf && infl.rarity_inc != 0) {
      rarity += infl.rarity_inc;
      if (deponent) --rarity;
      if (rarity >= 9 && rarity <= 14) rarity = 10;
    }
    if (speech == pos::vpar && infl.grammatical_case() == gcase::voc) {
      rarity += 2;
      if (rarity > 6) rarity = 10;
    }
  }
  if (speech == pos::supine && rarity < 5) rarity = 5;
  if (rarity < 1) rarity = 1;
  int age = e.age == 20 ? 6 : e.age;
  int area = e.area();

  // Only the start of the meaning, before its first "/", reaches the
  // analysis's fields; a chosen area section needs the whole text first.
  std::string_view meaning;
  std::string sectioned;
  if (options_.area != 0) {
    sectioned.assign(full_meaning(cand.origin));
    choose_area_section(sectioned, options_.area, age, area, rarity);
    meaning = sectioned;
    if (auto slash = meaning.find('/'); slash != std::string_view::npos)
      meaning = meaning.substr(0, slash);
  } else {
    meaning = first_sense(cand.origin);
  }
  // The text fields of a new candidate are zero already, so the shown text
  // is put together once, zero-padded, and copied into them whole: the
  // meaning keeps 24 characters and marks a longer text with "*" in the
  // 25th, the English keeps 23.
  constexpr std::size_t kShown = sizeof(a.meaning) - 1;  // one past what is kept uncut
  char shown[32] = {};
  std::size_t shown_size = 0;
  auto show = [&](std::string_view text) {
    const std::size_t n = std::min(text.size(), kShown - shown_size);
    std::memcpy(shown + shown_size, text.data(), n);
    shown_size += n;
  };
  if (source != Source::core) show("~");
  show(meaning);
  if (distributive) show("-each");

  a.rarity = static_cast<Code>(std::clamp(rarity, 1, 10));
  a.age = static_cast<Code>(age);
  a.area = static_cast<Code>(area);
  a.declension.set(static_cast<std::int16_t>(((which & 0x0F) << 4) | (variant & 0x0F)));
  a.extra.set(static_cast<std::int16_t>(((e.extra & 0x0F) << 4) | (e.extra2 & 0x0F)));
  std::memcpy(a.meaning, shown, kShown - 1);
  if (shown_size == kShown) a.meaning[kShown - 1] = '*';
  if (speech == pos::vpar) {
    set_field(a.english, "abc.");
  } else {
    std::memcpy(a.english, shown, sizeof(a.english) - 1);
  }
  // The Latin "stem.ending", cut to what the field keeps.
  std::size_t latin_size = 0;
  auto put_latin = [&](std::string_view text) {
    const std::size_t n = std::min(text.size(), sizeof(a.latin) - 1 - latin_size);
    std::memcpy(a.latin + latin_size, text.data(), n);
    latin_size += n;
  };
  if (split.stem != ".") put_latin(split.stem);
  put_latin(".");
  put_latin(infl.ending_text());

  // A gerundive in an oblique case also reads as a gerund.
  if (speech == pos::vpar && infl.voice() == voice::passive && infl.tense() == tense::fut &&
      infl.grammatical_case() >= gcase::gen && infl.number() == number::sing &&
      (infl.gender() == gender::neuter || infl.gender() == gender::m_nt)) {
    Candidate g = out.back();
    WordAnalysis& ga = g.analysis;
    ga.speech = pos::noun;
    // Case and number stay; the participle's other bytes are cleared, and byte 1
    // takes the neuter a noun entry keeps there.
    ga.b1 = gender::neuter;
    ga.set_noun_kind(noun_kind::gerund);
    ga.set_gender(gender::neuter);
    ga.b6 = 0;
    ga.b7 = 0;
    ga.b8 = 0;
    ga.rarity = static_cast<Code>(std::min(6, ga.rarity + 1));
    ga.declension.set(0x22);
    set_field(ga.english, "");
    if (ctx.log && !options_.translate) ctx.log->write("+ Gerund:\n");
    out.push_back(std::move(g));
  }
}

int WordAnalyzer::analyse_core(std::string_view word, Source source, std::vector<Candidate>& out,
                               AnalysisContext& ctx, EntryFilter accept,
                               const void* accept_data) const {
  const std::size_t before = out.size();
  // In place: a word's entries and inflections never reach the heap.
  FixedList<DictEntry, kMaxCandidateEntries> entries;
  FixedList<InflectionRecord, kMaxCandidateInflections + 1> infls;  // and a supine
  // The splits' stems are the word's beginnings, longest first, searched
  // among lower-case stems and among capitalised ones (Deus, Iudaeus, which
  // sort below "a": a lower-case word's stem also finds them, so dei is read
  // as Deus; the entry keeps its capital).
  const SplitList splits = split_word(word);
  char raised[sizeof(DictEntry::stem)];
  const std::size_t raised_size = std::min(splits[0].stem.size(), sizeof(raised));
  const bool capitals = !word.empty() && is_ascii_lower(word[0]) && splits.size() > 1;
  if (capitals) {
    std::memcpy(raised, word.data(), raised_size);
    raised[0] = static_cast<char>(raised[0] - 'a' + 'A');
  }
  StemSearch lower(word.empty() ? LetterStems{} : lexicon_.letter_stems(word[0]));
  StemSearch capital(capitals ? lexicon_.letter_stems(raised[0]) : LetterStems{});
  const bool user_stems = user_ && !user_->stems().empty();
  for (const Split& split : splits) {
    // A stem longer than what the searches so far leave open has no
    // dictionary entries: its ending is not even looked up (the user's
    // dictionary may still have the stem).
    const bool whole_word_ending = split.stem.data() != word.data();
    if (!whole_word_ending && !user_stems && !lower.may_find(split.stem.size()) &&
        !(capitals && capital.may_find(split.stem.size())))
      continue;
    const bool supine_ending = is_supine_ending(split.ending);
    // A split whose ending no inflection has cannot match; skip its stem search.
    const Lexicon::EndingInflections run = lexicon_.inflections_of_ending(split.ending);
    if (run.records.empty() && !supine_ending) continue;
    entries.clear();
    if (whole_word_ending) {
      add_stems(split.stem, entries, ctx);  // the stem "." of the whole word as ending
    } else {
      const std::size_t n = split.stem.size();
      add_entries(lower.find(split.stem),
                  capitals && n <= raised_size ? capital.find(std::string_view(raised, n))
                                               : std::span<const DictEntry>{},
                  entries, ctx);
    }
    add_user_stems(split.stem, entries);
    if (entries.empty()) continue;
    const DictEntry* previous = nullptr;
    for (const DictEntry& entry : entries) {
      if (entry.area() == grammar::kBotanyAreaCode && !options_.botany) continue;
      if (accept && !accept(entry, accept_data)) continue;
      if (!accept && stem_needs_dem(entry)) continue;
      if (options_.age == Age::medieval && entry.age >= 7 && entry.age <= 10) continue;
      if (previous && same_entry(*previous, entry)) continue;
      previous = &entry;
      infls.clear();
      int found = add_inflections(run, split.ending, entry, infls, ctx);
      if (found < 0 && !supine_ending) break;
      // Perfect passive participle stems also carry the supines.
      if (entry.speech == pos::vpar && supine_ending) {
        // The supine's own record, in the nominal layout (case, number, gender).
        InflectionRecord sup{};
        sup.speech = pos::supine;
        sup.b3 = split.ending == "um" ? gcase::acc : gcase::abl;
        sup.b4 = number::sing;
        sup.b5 = gender::neuter;
        sup.stem_key = entry.stem_key;
        sup.which = entry.which;
        sup.variant = entry.variant;
        set_field(sup.ending, split.ending);
        infls.push_back(sup);
      }
      Origin origin = origin_of(entry, source);
      const Code vk = static_cast<Code>(entry.kind & 0x0F);
      for (const InflectionRecord& r : infls) {
        const bool is_verb_entry = speech_class(entry.speech) == pos::verb;
        if (is_verb_entry && vk == verb_kind::impers &&
            (r.speech == pos::vpar || (r.speech == pos::verb && (r.person() == 1 || r.person() == 2))))
          continue;
        if (is_verb_entry && vk == verb_kind::dep && r.speech == pos::verb &&
            r.tense() == tense::pres && r.voice() == voice::active)
          continue;
        if (is_verb_entry && vk == verb_kind::semidep && r.speech == pos::verb &&
            r.tense() == tense::pres && r.voice() == voice::passive)
          continue;
        if (entry.speech == pos::noun && entry.extra != 0 && r.number() != entry.extra) continue;
        build_analysis(entry, r, split, source, origin, out, ctx);
      }
    }
  }
  return static_cast<int>(out.size() - before);
}

bool WordAnalyzer::may_read_diphthong(std::string_view word, std::size_t at) const {
  return (user_ && !user_->stems().empty()) || lexicon_.may_read_diphthong(word, at);
}

int WordAnalyzer::analyse_uniques(std::string_view word, std::vector<Candidate>& out,
                                  AnalysisContext& ctx) const {
  auto uniq = lexicon_.uniques();
  // A zero byte or more than the field holds: no unique can be equal.
  if (word.size() > sizeof(UniqueRecord::latin) || has_zero_byte(word) ||
      !lexicon_.may_be_unique(word))
    return 0;
  const FieldKey<sizeof(UniqueRecord::latin)> key(word);
  auto it = std::partition_point(uniq.begin(), uniq.end(),
                                 [&](const UniqueRecord& r) { return key.field_less(r.latin); });
  int added = 0;
  for (; it != uniq.end() && key.field_equals(it->latin); ++it) {
    const UniqueRecord& u = *it;
    if (u.age > options_.age_value()) continue;
    DictEntry e{};
    e.speech = u.speech;
    e.which = u.which;
    e.variant = u.variant;
    e.byte3 = u.speech == pos::adj ? u.b6 : u.b5;
    if (u.speech == pos::verb) e.kind = u.b8;
    e.stem_key = 1;
    e.meaning_index.set(static_cast<std::int32_t>(it - uniq.begin()));
    e.rarity_area = u.rarity_area;
    e.age = u.age;
    e.extra = u.extra;
    // A unique of two parts (necesse est) shows them joined by a stop.
    const bool two_parts =
        !u.second_text().empty() && u.latin_text().size() + u.second_text().size() < 22;
    FieldText<sizeof(e.stem)> stem;
    stem.append(u.latin_text());
    if (two_parts) {
      stem.append("\t");
      stem.append(u.second_text());
    }
    set_field(e.stem, stem.view());
    // A unique's bytes 3-8 are an inflection's, layout for layout.
    InflectionRecord r{};
    r.speech = u.speech;
    r.which = u.which;
    r.variant = u.variant;
    r.b3 = u.b3;
    r.b4 = u.b4;
    r.b5 = u.b5;
    r.b6 = u.b6;
    r.b7 = u.b7;
    r.b8 = u.b8;
    r.stem_key = 1;
    Origin o;
    o.table = Origin::Table::unique;
    o.index = static_cast<int>(it - uniq.begin());
    build_analysis(e, r, Split{u.latin_text(), {}}, Source::core, o, out, ctx);
    if (two_parts) {
      FieldText<sizeof(WordAnalysis::latin)> shown;
      shown.append(u.latin_text());
      shown.append(".");
      shown.append(u.second_text());
      set_field(out.back().analysis.latin, shown.view());
    }
    ++added;
  }
  return added;
}

}  // namespace kelvo::analysis
