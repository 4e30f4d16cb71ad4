#include "analysis/rules/indefinite_pronouns.h"

#include <algorithm>
#include <iterator>

#include "base/text.h"

namespace kelvo::analysis {

using namespace grammar;

namespace {

constexpr Code NOM = gcase::nom, GEN = gcase::gen, DAT = gcase::dat, ABL = gcase::abl,
               ACC = gcase::acc;
constexpr Code S = number::sing, P = number::plur;
constexpr Code M = gender::masc, F = gender::fem, N = gender::neuter, C = gender::common;

// Sorted by form in byte order; the readings of one form are consecutive.
constexpr PronounStemForm kStems[] = {
    {"cui", DAT, S, 0},
    {"cuius", GEN, S, 0},
    {"plera", ACC, P, N}, {"plera", DAT, S, F}, {"plera", NOM, P, N}, {"plera", NOM, S, F},
    {"plerae", DAT, S, F}, {"plerae", GEN, S, F}, {"plerae", NOM, P, F},
    {"pleram", ACC, S, F},
    {"plerarum", GEN, P, F},
    {"pleras", ACC, P, F},
    {"pleri", GEN, S, M}, {"pleri", GEN, S, N}, {"pleri", NOM, P, M},
    {"pleris", ABL, P, 0}, {"pleris", DAT, P, 0},
    {"plero", ABL, S, M}, {"plero", ABL, S, N}, {"plero", DAT, S, M}, {"plero", DAT, S, N},
    {"plerorum", GEN, P, M}, {"plerorum", GEN, P, N},
    {"pleros", ACC, P, M},
    {"plerum", ACC, S, M}, {"plerum", ACC, S, N}, {"plerum", NOM, S, N},
    {"plerus", NOM, S, M},
    {"qua", ABL, S, F}, {"qua", NOM, S, F},
    {"quae", ABL, S, F}, {"quae", ACC, P, N}, {"quae", NOM, P, F}, {"quae", NOM, P, N},
    {"quae", NOM, S, F},
    {"quale", ACC, S, N}, {"quale", NOM, S, N},
    {"qualem", ACC, S, C},
    {"quales", ACC, P, C}, {"quales", NOM, P, C},
    {"quali", ABL, S, 0}, {"quali", DAT, S, 0},
    {"qualia", ACC, P, N}, {"qualia", NOM, P, N},
    {"qualibus", DAT, P, 0}, {"qualibus", ABL, P, 0},
    {"qualis", GEN, S, 0}, {"qualis", NOM, S, C},
    {"qualium", GEN, P, 0},
    {"quam", ACC, S, F},
    {"quan", ACC, S, F},
    {"quanta", ACC, P, N}, {"quanta", DAT, S, F}, {"quanta", NOM, P, N}, {"quanta", NOM, S, F},
    {"quantae", DAT, S, F}, {"quantae", GEN, S, F}, {"quantae", NOM, P, F},
    {"quantam", ACC, S, F},
    {"quantarum", GEN, P, F},
    {"quantas", ACC, P, F},
    {"quanti", GEN, S, M}, {"quanti", GEN, S, N}, {"quanti", NOM, P, M},
    {"quantis", ABL, P, 0}, {"quantis", DAT, P, 0},
    {"quanto", ABL, S, M}, {"quanto", ABL, S, N}, {"quanto", DAT, S, M}, {"quanto", DAT, S, N},
    {"quantorum", GEN, P, M}, {"quantorum", GEN, P, N},
    {"quantos", ACC, P, M},
    {"quantum", ACC, S, M}, {"quantum", ACC, S, N}, {"quantum", NOM, S, N},
    {"quantun", ACC, S, M}, {"quantun", ACC, S, N}, {"quantun", NOM, S, N},
    {"quantus", NOM, S, M},
    {"quarum", GEN, P, F},
    {"quarun", GEN, P, F},
    {"quas", ACC, P, F},
    {"quem", ACC, S, M},
    {"quen", ACC, S, M},
    {"qui", NOM, P, M}, {"qui", NOM, S, M},
    {"quibus", ABL, P, 0}, {"quibus", DAT, P, 0},
    {"quid", ACC, S, N}, {"quid", NOM, S, N},
    {"quis", ABL, P, 0}, {"quis", DAT, P, 0}, {"quis", NOM, S, F}, {"quis", NOM, S, M},
    {"quo", ABL, S, M}, {"quo", ABL, S, N},
    {"quod", ACC, S, N}, {"quod", NOM, S, N},
    {"quorum", GEN, P, M}, {"quorum", GEN, P, N},
    {"quorun", GEN, P, M}, {"quorun", GEN, P, N},
    {"quos", ACC, P, M},
    {"uter", NOM, S, M},
    {"utra", ABL, S, F}, {"utra", ACC, P, N}, {"utra", NOM, P, N}, {"utra", NOM, S, F},
    {"utrae", NOM, P, F},
    {"utram", ACC, S, F},
    {"utrarum", GEN, P, F},
    {"utras", ACC, P, F},
    {"utri", DAT, S, 0}, {"utri", NOM, P, M},
    {"utris", ABL, P, 0}, {"utris", DAT, P, 0},
    {"utrius", GEN, S, 0},
    {"utro", ABL, S, M}, {"utro", ABL, S, N},
    {"utrorum", GEN, P, M}, {"utrorum", GEN, P, N},
    {"utrorun", GEN, P, M}, {"utrorun", GEN, P, N},
    {"utros", ACC, P, M},
    {"utrum", ACC, S, M}, {"utrum", ACC, S, N}, {"utrum", NOM, S, N},
    {"utrun", ACC, S, M}, {"utrun", ACC, S, N}, {"utrun", NOM, S, N},
};
static_assert(std::size(kStems) == kPronounStemForms);

// Tested in this order against the end of the word; the first match wins.
constexpr PronounParticle kParticles[] = {
    {"dam", 1, "", 0},       {"damque", 1, "que", 0}, {"quamque", 3, "que", 7},
    {"nam", 5, "", 0},       {"uiscumque", 9, "", 0}, {"cumque", 6, "", 0},
    {"cunque", 6, "", 0},    {"que", 2, "", 0},       {"quam", 3, "", 0},
    {"piam", 4, "", 0},      {"libet", 7, "", 0},     {"uis", 8, "", 0},
    {"damne", 1, "ne", 0},   {"quamne", 3, "ne", 0},
};

struct KindMeaning {
  int kind;
  std::string_view meaning;
};
constexpr KindMeaning kMeanings[] = {
    {1, "certain"},          {2, "each"},
    {3, "any"},              {4, "some"},
    {5, "which"},            {6, "whichever"},
    {8, "any-you-please"},   {9, "any-whatsoever"},
    {22, "of-whatever-kind"}, {38, "however great"},
    {39, "as-great-as-you-like"}, {40, "however-great"},
    {50, "each"},            {54, "whichever"},
    {55, "whichever-you-please"}, {56, "whichever-you-please"},
    {66, "most"},
};

struct Match {
  const PronounParticle* particle = nullptr;
  std::string stem;
  std::string_view meaning;
  std::span<const PronounStemForm> readings;
};

// Steps 1-3 of the rule: particle, meaning, stem form.
std::optional<Match> match_word(std::string_view word) {
  std::string lower(word);
  if (!lower.empty()) lower[0] = ascii_lower(lower[0]);
  Match m;
  for (const PronounParticle& p : kParticles) {
    if (lower.size() <= static_cast<std::size_t>(p.min_length) || !lower.ends_with(p.ending))
      continue;
    m.particle = &p;
    break;
  }
  if (!m.particle) return {};
  m.stem = lower.substr(0, lower.size() - m.particle->ending.size());
  m.meaning = pronoun_meaning(m.particle->kind + pronoun_stem_class(m.stem));
  if (m.meaning.empty()) return {};
  auto table = pronoun_stem_table();
  auto [lo, hi] = std::equal_range(
      table.begin(), table.end(), PronounStemForm{m.stem, 0, 0, 0},
      [](const PronounStemForm& a, const PronounStemForm& b) {
        return compare_bytes(a.form, b.form) < 0;
      });
  if (lo == hi) return {};
  m.readings = std::span<const PronounStemForm>(lo, hi);
  return m;
}

}  // namespace

std::span<const PronounStemForm> pronoun_stem_table() { return kStems; }
std::span<const PronounParticle> pronoun_particle_table() { return kParticles; }

std::string_view pronoun_meaning(int kind) {
  for (const KindMeaning& k : kMeanings)
    if (k.kind == kind) return k.meaning;
  return {};
}

int pronoun_stem_class(std::string_view stem) {
  if (stem.starts_with("qual")) return 16;
  if (stem.starts_with("quant")) return 32;
  if (stem.starts_with("ut")) return 48;
  if (stem.starts_with("pler")) return 64;
  return 0;
}

bool may_be_indefinite_pronoun(std::string_view word) {
  if (word.empty()) return false;
  auto begins = [&](std::string_view p) {
    return word.size() >= p.size() && ascii_lower(word[0]) == p[0] &&
           word.substr(1).starts_with(p.substr(1));
  };
  if ((begins("qu") || begins("cu")) && word.size() > 5) return true;
  if ((begins("utr") || begins("ute")) && word.size() > 5) return true;
  return begins("pler") && word.size() > 4;
}

bool indefinite_pronoun_reads_whole(std::string_view word) {
  return match_word(word).has_value();
}

std::string pronoun_headword(std::string_view word) {
  auto m = match_word(word);
  if (!m) return {};
  std::string_view particle = m->particle->ending;
  particle.remove_suffix(m->particle->enclitic.size());
  std::string head;
  switch (pronoun_stem_class(m->stem)) {
    case 16: head = "qualis"; break;
    case 32: head = "quantus"; break;
    case 48: head = "uter"; break;
    case 64: head = "plerus"; break;
    default:
      // quisque, quisquam, quispiam, quisnam; quidam, quicumque, quiuis, quilibet.
      head = (particle == "que" || particle == "quam" || particle == "piam" || particle == "nam")
                 ? "quis"
                 : "qui";
      break;
  }
  head += particle == "cunque" ? std::string_view("cumque") : particle;
  return head;
}

PronounResult analyse_indefinite_pronoun(const WordAnalyzer& wa, std::string_view word,
                                         AnalysisContext& ctx) {
  (void)wa;
  PronounResult result;
  result.word = std::string(word);
  auto m = match_word(word);
  if (!m) return result;
  if (!result.word.empty()) result.word[0] = ascii_lower(result.word[0]);
  if (!m->particle->enclitic.empty()) {
    result.enclitic = enclitic_token(m->particle->enclitic, ctx);
    result.word.resize(result.word.size() - m->particle->enclitic.size());
  }
  for (const PronounStemForm& f : m->readings) {
    if (static_cast<int>(result.readings.size()) >= kMaxPronounAnalyses) {
      if (ctx.log) ctx.log->write(kTooManyQuidam);
      if (ctx.warnings) ctx.warnings->warn(kTooManyQuidam);
      break;
    }
    Candidate c = builtin_candidate(pos::sadj, result.word, std::string(m->meaning),
                                    Source::pronoun, ctx);
    WordAnalysis& a = c.analysis;
    a.set_grammatical_case(f.gcase);
    a.set_number(f.number);
    a.set_gender(f.gender);
    a.set_comparison(comparison::pos);
    set_field(a.english, "");
    result.readings.push_back(std::move(c));
  }
  return result;
}

}  // namespace kelvo::analysis
