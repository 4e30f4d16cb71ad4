#include "analysis/reading_decode.h"

#include "analysis/rules/indefinite_pronouns.h"

namespace kelvo::analysis {

using namespace grammar;

namespace {

// The stored codes and the public enumerators share their values.
template <typename Enum>
Enum as(Code c) {
  return static_cast<Enum>(c);
}

EntrySource entry_of(Origin::Table t) {
  switch (t) {
    case Origin::Table::none: return EntrySource::none;
    case Origin::Table::dictionary: return EntrySource::dictionary;
    case Origin::Table::user: return EntrySource::user_dictionary;
    case Origin::Table::botany: return EntrySource::botany;
    case Origin::Table::unique: return EntrySource::unique;
    case Origin::Table::builtin: return EntrySource::built_in;
  }
  return EntrySource::none;
}

// The headword: the first principal part; for a reading made by rule, the
// name itself or the analysed stem.
void assign_lemma(const Candidate& c, std::string_view citation, std::string& out) {
  if (!citation.empty()) {
    out.assign(citation.substr(0, citation.find(' ')));
  } else if (c.origin.table != Origin::Table::builtin) {
    out.clear();
  } else if (c.analysis.noun_kind() == noun_kind::proper) {
    out.assign(c.origin.builtin_meaning);
  } else {
    std::string_view latin = c.analysis.latin_text();
    out.assign(latin.substr(0, latin.find('.')));
  }
}

std::string_view trim_blanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Enough for a long sentence's tokens; beyond them a sentence makes its own.
constexpr std::size_t kMaxSpareTokens = 256;

}  // namespace

void decode_record(const WordAnalysis& a, Reading& out) {
  out.form.assign(a.latin_text());
  out.part_of_speech = as<PartOfSpeech>(a.speech);
  out.declension = a.which();
  out.variant = a.variant();
  out.grammatical_case = as<Case>(a.grammatical_case());
  out.number = as<Number>(a.number());
  out.gender = as<Gender>(a.gender());
  out.comparison = as<Comparison>(a.comparison());
  out.tense = as<Tense>(a.tense());
  out.voice = as<Voice>(a.voice());
  out.mood = as<Mood>(a.mood());
  out.person = a.person();
  out.noun_kind = as<NounKind>(a.noun_kind());
  out.pronoun_kind = as<PronounKind>(a.pronoun_kind());
  out.verb_kind = as<VerbKind>(a.verb_kind());
  out.complement = as<Complement>(a.complement());
  out.numeral_sort = as<NumeralSort>(a.numeral_sort());
  out.quis_clause = a.quis_clause();
  out.conjunction_like = a.conjunction_like();
  out.punctuation = 0;
  if (a.speech == pos::punct && a.punctuation() < kPunctuationCount)
    out.punctuation = kPunctuationChars[a.punctuation()];
  out.gloss.assign(a.meaning_text());
  out.rarity = a.rarity;
  out.age = a.age;
  out.area = area_letter(a.area);
}

void decode_reading(const Candidate& c, const WordAnalyzer& wa, bool senses, Reading& r) {
  decode_record(c.analysis, r);
  r.source = static_cast<ReadingSource>(c.origin.source);
  r.entry = entry_of(c.origin.table);
  r.citation.assign(wa.citation(c.origin));
  // A compound pronoun made by rule is cited by its headword (quendam - quidam).
  if (c.origin.source == Source::pronoun && c.origin.table == Origin::Table::builtin)
    r.citation = pronoun_headword(c.analysis.latin_text());
  assign_lemma(c, r.citation, r.lemma);
  // The whole meaning, not the record's cut; "~" is the record's mark of a
  // reading made by rule (the source says that), never part of the English.
  std::string_view meaning = wa.full_meaning(c.origin);
  if (meaning.empty()) meaning = r.gloss;
  if (meaning.starts_with('~')) meaning.remove_prefix(1);
  r.meaning.assign(meaning);
  if (senses)
    split_senses(r.meaning, r.senses);
  else
    r.senses.clear();
  r.english.clear();
}

Reading decode_reading(const Candidate& c, const WordAnalyzer& wa, bool senses) {
  Reading r;
  decode_reading(c, wa, senses, r);
  return r;
}

std::vector<Reading> decode_readings(std::span<const Candidate> candidates,
                                     const WordAnalyzer& wa, bool senses) {
  std::vector<Reading> out(candidates.size());
  for (std::size_t i = 0; i < candidates.size(); ++i)
    decode_reading(candidates[i], wa, senses, out[i]);
  return out;
}

void to_public_sentence(const AnalysedSentence& s, const WordAnalyzer& wa, bool senses,
                        Sentence& out, std::vector<Token>& spare) {
  out.text = s.text;
  // Each token is decoded into the one of those at hand (the last
  // sentence's and the spare ones) whose count of readings is nearest, so
  // that few readings are made or destroyed and their strings keep their
  // room; the tokens not taken stay spare for the next sentence.
  for (Token& t : out.tokens) spare.push_back(std::move(t));
  out.tokens.clear();
  for (const AnalysedToken& t : s.tokens) {
    if (spare.empty()) {
      out.tokens.emplace_back();
      continue;
    }
    const std::size_t n = t.candidates.size();
    std::size_t best = 0, best_gap = SIZE_MAX;
    for (std::size_t k = 0; k < spare.size() && best_gap > 0; ++k) {
      const std::size_t have = spare[k].readings.size();
      const std::size_t gap = have > n ? have - n : n - have;
      if (gap < best_gap) {
        best = k;
        best_gap = gap;
      }
    }
    out.tokens.push_back(std::move(spare[best]));
    if (best + 1 != spare.size()) spare[best] = std::move(spare.back());
    spare.pop_back();
  }
  // A long sentence's leftovers are not all kept.
  if (spare.size() > kMaxSpareTokens) spare.resize(kMaxSpareTokens);
  for (std::size_t i = 0; i < s.tokens.size(); ++i) {
    const AnalysedToken& t = s.tokens[i];
    Token& token = out.tokens[i];
    // Everything but the readings' strings starts afresh; those keep their
    // room, so a sentence decoded into the last one's place allocates less.
    // (Handing a token's extra readings to the next one costs more than it
    // saves: a reading's move is a dozen members.)
    std::vector<Reading> readings = std::move(token.readings);
    token = Token{};
    token.text = t.form;
    token.punctuation = t.punctuation;
    token.enclitic_of = t.enclitic_of;
    readings.resize(t.candidates.size());
    for (std::size_t k = 0; k < t.candidates.size(); ++k)
      decode_reading(t.candidates[k], wa, senses, readings[k]);
    token.readings = std::move(readings);
  }
}

Sentence to_public_sentence(const AnalysedSentence& s, const WordAnalyzer& wa, bool senses) {
  Sentence out;
  std::vector<Token> spare;
  to_public_sentence(s, wa, senses, out, spare);
  return out;
}

std::vector<std::string> split_senses(std::string_view meaning) {
  std::vector<std::string> out;
  split_senses(meaning, out);
  return out;
}

void split_senses(std::string_view meaning, std::vector<std::string>& out) {
  std::size_t count = 0;
  std::size_t start = 0;
  auto cut = [&](std::size_t end) {
    std::string_view sense = trim_blanks(meaning.substr(start, end - start));
    if (!sense.empty()) {
      if (count < out.size())
        out[count].assign(sense);
      else
        out.emplace_back(sense);
      ++count;
    }
    start = end + 1;
  };
  for (std::size_t i = 0; i < meaning.size(); ++i) {
    const char ch = meaning[i];
    if (ch == ';') cut(i);
    if (ch != '/') continue;
    const bool with = i >= 1 && meaning[i - 1] == 'w' &&
                      (i == 1 || meaning[i - 2] == ' ' || meaning[i - 2] == '/');
    if (!with) cut(i);
  }
  cut(meaning.size());
  out.resize(count);
}

}  // namespace kelvo::analysis
