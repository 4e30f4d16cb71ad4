#include "english/sense_words.h"

#include <array>
#include <initializer_list>
#include <string_view>

#include "base/parse_log.h"
#include "base/text.h"
#include "english/sense_network.h"
#include "english/text_edit.h"

namespace kelvo::english {

using grammar::Code;
using grammar::WordAnalysis;
namespace pos = grammar::pos;

namespace {

// The analysis a word is linked to (its first link), or null.
const WordAnalysis* linked(const SentenceInput& in, const WordAnalysis& a) {
  const int l = a.link(0);
  if (l < 0 || l >= in.scratch.count) return nullptr;
  return &in.at(l);
}

// Visits every word position in order through its chosen analysis, leaving
// out punctuation; `visit(position, analysis index, analysis)` returns false
// to stop.
template <typename Visit>
void scan(const SentenceInput& in, Visit visit) {
  for (int q = 0; q < in.positions(); ++q) {
    const int c = in.chosen(q);
    if (c < 0 || in.at(c).speech == pos::punct) continue;
    if (!visit(q, c, in.at(c))) return;
  }
}

// The case as two inputs: nominative, dative/ablative, accusative, the rest.
std::string_view case_pair(Code c) {
  switch (c) {
    case grammar::gcase::nom: return "00";
    case grammar::gcase::dat:
    case grammar::gcase::abl: return "10";
    case grammar::gcase::acc: return "01";
    default: return "11";
  }
}

bool plural(const WordAnalysis& a) { return a.number() == grammar::number::plur; }

bool begins_with_one_of(std::string_view s, std::initializer_list<std::string_view> heads) {
  for (std::string_view h : heads)
    if (begins_with(s, h)) return true;
  return false;
}

// Writes `to` in place of the earliest of `words` in the slot and cuts what
// follows ("the blow, stroke" -> "the region"); false when none is there. The
// dictionary's own word for a sense may differ from the sense's name, so each
// sense lists the words the slot can hold for it.
bool replace_sense(std::string& slot, std::initializer_list<std::string_view> words,
                   std::string_view to) {
  std::size_t at = std::string::npos;
  for (std::string_view w : words) at = std::min(at, slot.find(w));
  if (at == std::string::npos) return false;
  slot.resize(at);
  slot.append(to);
  return true;
}

void finish_slot(std::string& slot, const WordAnalysis& a, bool add_plural) {
  if (add_plural && plural(a)) slot.push_back('s');
  cut_to(slot, kMaxSlotChars);
}

// Runs the network; the code, or -1 when the run fails.
int run(const SentenceInput& in, const std::string& input, WeightSet set, int n_in, int n_hidden,
        int n_out) {
  NetworkRequest req{input, n_in, n_hidden, n_out, static_cast<int>(set)};
  NetworkResult result;
  const bool trace = in.options.details && in.log;
  std::string line;
  if (run_network(req, result, trace ? &line : nullptr) != NetworkStatus::ok) return -1;
  if (trace) {
    line.push_back('\n');
    in.log->write(line);
  }
  return result.code;
}

}  // namespace

bool governed_by_preposition(const SentenceInput& in, int analysis, int prep) {
  const WordAnalysis& a = in.at(analysis);
  const WordAnalysis* head = linked(in, a);
  if (a.link(0) < 0) return false;
  if (head && head->speech == pos::prep) return true;
  if (prep < 0) return false;
  const int l = in.at(prep).link(0);
  if (l < 0 || l >= in.scratch.count) return false;
  return l == analysis || in.at(l).link(0) == analysis;
}

std::string plaga_code(const SentenceInput& in, int p) {
  const int self = in.chosen(p);
  const WordAnalysis& a = in.at(self);
  const std::string_view f = a.latin_text();  // "plag." and the ending
  std::string code;
  if (f.size() > 5 && f[5] == 'i') {
    code = "110";  // -is, -ibus
  } else if (f.size() < 6 || f[5] != 'a') {
    return {};  // not an ending of the first declension
  } else if (f.size() == 6) {
    code = "001";  // -a
  } else {
    switch (f[6]) {
      case 's': code = "100"; break;  // -as
      case 'm': code = "010"; break;  // -am
      case 'e': code = "011"; break;  // -ae
      case 'r': code = "101"; break;  // -arum
      default: return {};
    }
  }
  code += case_pair(a.grammatical_case());

  int prep = -1;
  bool world = false;
  scan(in, [&](int q, int c, const WordAnalysis& w) {
    if (q < p && w.speech == pos::prep) prep = c;
    const std::string_view g = w.latin_text();
    if (w.speech == pos::noun && begins_with_one_of(g, {"mund.", "cael.", "sol.", "orb.", "terr."}))
      world = true;
    if ((w.speech == pos::adj || w.speech == pos::vpar) &&
        (starts_with_nocase(g, "septentrio") || starts_with_nocase(g, "meridi") ||
         starts_with_nocase(g, "occident") || starts_with_nocase(g, "orient")))
      world = true;
    return !(world && q >= p);
  });
  const WordAnalysis* head = linked(in, a);
  code.push_back(head && head->speech != pos::verb ? '1' : '0');
  code.push_back(world ? '1' : '0');
  code.push_back(governed_by_preposition(in, self, prep) ? '1' : '0');
  return code;
}

void disambiguate_plaga(const SentenceInput& in, OutputWords& out, int p) {
  const std::string code = plaga_code(in, p);
  const int result = run(in, code, WeightSet::plaga, 8, 6, 2);
  if (result < 0) return;
  static constexpr std::array<std::string_view, 4> kSenses{"curtain", "blow", "region", "snare"};
  std::string& slot = out.at(p);
  // Our dictionary names the blow sense "stroke" first.
  if (replace_sense(slot, {"blow", "stroke"}, kSenses[static_cast<std::size_t>(result)]))
    finish_slot(slot, in.at(in.chosen(p)), true);
}

std::string contentus_code(const SentenceInput& in, int p) {
  const int self = in.chosen(p);
  const WordAnalysis& a = in.at(self);
  std::string code(1, a.grammatical_case() == grammar::gcase::nom ? '1' : '0');
  bool to_be = false;
  int q_pos = -1;
  scan(in, [&](int q, int, const WordAnalysis& w) {
    if (w.speech == pos::verb && w.verb_kind() == grammar::verb_kind::to_be) to_be = true;
    if ((w.speech == pos::noun || w.speech == pos::pron) && w.link(0) == self) q_pos = q;
    return !(to_be && q_pos >= 0);
  });
  const WordAnalysis* head = linked(in, a);
  if (q_pos < 0 && head && (head->speech == pos::noun || head->speech == pos::pron))
    q_pos = head->position.get();
  if (q_pos < 0) {
    code += "00";
  } else {
    const int d = q_pos - p;
    if (d == 0) return {};  // a noun at the adjective's own place: no usable code
    code += d == 1 || d == -1 ? "11" : d > 1 ? "01" : "10";
  }
  code.push_back(to_be ? '1' : '0');
  return code;
}

void disambiguate_contentus(const SentenceInput& in, OutputWords& out, int p) {
  const int result = run(in, contentus_code(in, p), WeightSet::contentus, 4, 3, 1);
  // Our dictionary has the two senses as two entries, and the earlier passes
  // may have taken either: the network's choice wins both ways.
  if (result == 0) replace_sense(out.at(p), {"content"}, "tense");
  if (result == 1) replace_sense(out.at(p), {"tense"}, "content");
}

std::string saltus_code(const SentenceInput& in, int p) {
  const WordAnalysis& a = in.at(in.chosen(p));
  std::string code(case_pair(a.grammatical_case()));
  code.push_back(plural(a) ? '1' : '0');
  bool name = false, wood = false, narrow = false;
  std::array<int, 3> tally{};
  scan(in, [&](int q, int, const WordAnalysis& w) {
    if (q == p) return true;
    // A proper name's meaning is capitalised.
    const std::string_view m = w.meaning_text();
    if (q > 0 && !m.empty() && m[0] < '[') name = true;
    if (begins_with(w.latin_text(), "silu")) wood = true;
    if (begins_with(w.latin_text(), "angust")) narrow = true;
    switch (w.area) {
      case 1: ++tally[0]; break;
      case 3:
      case 7: ++tally[1]; break;
      case 4:
      case 6:
      case 10: ++tally[2]; break;
      default: break;
    }
    return true;
  });
  const WordAnalysis* head = linked(in, a);
  code.push_back(name ? '1' : '0');
  code.push_back(head && head->speech != pos::verb ? '1' : '0');
  code.push_back(wood ? '1' : '0');
  code.push_back(narrow ? '1' : '0');
  if (tally[0] > tally[1] && tally[0] > tally[2]) code += "11";
  else if (tally[2] > tally[0] && tally[2] > tally[1]) code += "01";
  else if (tally[1] > tally[0] && tally[1] > tally[2]) code += "10";
  else code += "00";
  return code;
}

void disambiguate_saltus(const SentenceInput& in, OutputWords& out, int p) {
  const int result = run(in, saltus_code(in, p), WeightSet::saltus, 9, 6, 2);
  if (result < 0) return;
  // Our dictionary gives the woodland sense as "narrow passage ... woodland"
  // and the leap sense as its own entry, so any of them may be in the slot;
  // the network's choice replaces whichever is there.
  static constexpr std::array<std::string_view, 4> kSenses{"woodland", "defile", "leap", "woodland"};
  std::string& slot = out.at(p);
  if (replace_sense(slot, {"woodland", "narrow passage", "leap"},
                    kSenses[static_cast<std::size_t>(result)]))
    finish_slot(slot, in.at(in.chosen(p)), true);
}

void disambiguate_lustrum(const SentenceInput& in, OutputWords& out, int p) {
  const int self = in.chosen(p);
  const WordAnalysis& a = in.at(self);
  int beasts = 0, prep = -1;
  scan(in, [&](int q, int c, const WordAnalysis& w) {
    if (q == p) return true;
    if (w.speech == pos::noun && begins_with(w.latin_text(), "fer.")) ++beasts;
    if (q < p && w.speech == pos::prep) prep = c;
    return true;
  });
  const bool den = beasts != 0 || (plural(a) && governed_by_preposition(in, self, prep));
  std::string& slot = out.at(p);
  // "purifying ceremony" is one sense in our dictionary: it goes whole.
  if (den && replace_sense(slot, {"purifying ceremony", "cleansing ceremony", "ceremony"}, "den"))
    finish_slot(slot, a, true);
}

void disambiguate_pila(const SentenceInput& in, OutputWords& out, int p) {
  const int self = in.chosen(p);
  const WordAnalysis& a = in.at(self);
  int play = 0, prep = -1;
  std::array<int, 4> group{};
  scan(in, [&](int q, int c, const WordAnalysis& w) {
    if (q == p) return true;
    if (q < p && w.speech == pos::prep && w.latin_text() == "in.") prep = c;
    if (begins_with_one_of(w.latin_text(), {"lud.", "lus."})) ++play;
    switch (w.area) {
      case 1:
      case 4:
      case 6: ++group[0]; break;
      case 10: ++group[1]; break;
      case 9: ++group[2]; break;
      case 3:
      case 7: ++group[3]; break;
      default: break;
    }
    return true;
  });
  std::string& slot = out.at(p);
  if (governed_by_preposition(in, self, prep)) {
    slot = "the pounding-vessel";
  } else if (play != 0) {
    slot = "the ball";
    finish_slot(slot, a, true);
  } else if (group[1] > group[0] && group[1] >= group[2]) {
    slot = "the javelins";
  } else if (group[2] > group[0] && group[2] > group[1]) {
    slot = "the pillar";
    finish_slot(slot, a, true);
  }
}

void apply_sense_disambiguation(const SentenceInput& in, OutputWords& out) {
  if (!in.options.neural || in.single_word) return;
  const int n = std::min(in.positions(), out.count);
  for (int p = 0; p < n; ++p) {
    const int c = in.chosen(p);
    if (c < 0) continue;
    const WordAnalysis& a = in.at(c);
    const std::string_view f = a.latin_text();
    if (a.speech == pos::noun) {
      if (a.area != 3 && begins_with(f, "plag.")) disambiguate_plaga(in, out, p);
      else if (begins_with(f, "salt.")) disambiguate_saltus(in, out, p);
      else if (starts_with_nocase(f, "liber.") && a.grammatical_case() == grammar::gcase::voc)
        out.at(p) = "O child";  // liberi called upon are children, not free men
      else if (begins_with(f, "lustr.")) disambiguate_lustrum(in, out, p);
      else if (begins_with(f, "pil.a")) disambiguate_pila(in, out, p);
    } else if (a.speech == pos::adj && begins_with(f, "content.")) {
      disambiguate_contentus(in, out, p);
    }
  }
}

}  // namespace kelvo::english
