#include "formats/analysis_export.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "analysis/word_report.h"
#include "base/text.h"

namespace kelvo::formats {

using namespace grammar;
using analysis::Candidate;

namespace {

// Internal text is 8-bit (Windows-1252 for the few non-ASCII letters left).
void append_utf8(std::string& out, std::string_view text) {
  for (unsigned char c : text) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
}

void append_json_string(std::string& out, std::string_view text) {
  out.push_back('"');
  std::string utf8;
  append_utf8(utf8, text);
  for (char c : utf8) {
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

std::string_view lemma_of(const Candidate& c, const analysis::WordAnalyzer& wa) {
  std::string_view cit = wa.citation(c.origin);
  if (!cit.empty()) return cit.substr(0, std::min(cit.find(' '), cit.size()));
  if (c.origin.table == analysis::Origin::Table::builtin) {
    std::string_view latin = c.analysis.latin_text();
    auto dot = latin.find('.');
    if (c.analysis.speech == pos::noun && c.analysis.b2 == noun_kind::proper)
      return c.origin.builtin_meaning;
    return latin.substr(0, dot);
  }
  return {};
}

// The rule that produced an analysis, for readers who want to weigh it.
const char* source_name(analysis::Source s) {
  switch (s) {
    case analysis::Source::core: return "dictionary";
    case analysis::Source::variant: return "spelling-variant";
    case analysis::Source::addon: return "addon";
    case analysis::Source::prefix: return "prefix";
    case analysis::Source::numeral: return "numeral";
    case analysis::Source::pronoun: return "pronoun-compound";
    case analysis::Source::derived: return "derived";
  }
  return "dictionary";
}

// Until sentence analysis chooses, the line shows the likeliest reading on
// its own: the commonest, and a vocative or locative only when nothing else fits.
int plausibility(const WordAnalysis& a) {
  int rank = a.rarity * 4;
  bool nominal = a.speech != pos::verb && a.speech != pos::prep && a.speech != pos::punct;
  if (nominal && (a.b3 == gcase::voc || a.b3 == gcase::loc)) rank += 2;
  return rank;
}

std::string clean_meaning(std::string_view m) {
  if (!m.empty() && m[0] == '~') m.remove_prefix(1);
  return std::string(m);
}

struct Attr {
  const char* key;
  std::string value;
};

std::vector<Attr> attributes(const WordAnalysis& a) {
  std::vector<Attr> v;
  auto add = [&](const char* key, Code code, std::string_view (*name)(Code)) {
    if (code != 0) v.push_back({key, std::string(name(code))});
  };
  switch (a.speech) {
    case pos::noun:
      add("noun_kind", a.b2, noun_kind_name);
      add("case", a.b3, case_name);
      add("number", a.b4, number_name);
      add("gender", a.b5, gender_name);
      break;
    case pos::pron:
    case pos::pack:
      add("pronoun_kind", a.b2, pronoun_kind_name);
      if (a.speech == pos::pron) {
        add("case", a.b3, case_name);
        add("number", a.b4, number_name);
        add("gender", a.b5, gender_name);
      }
      break;
    case pos::adj:
    case pos::sadj:
      add("case", a.b3, case_name);
      add("number", a.b4, number_name);
      add("gender", a.b5, gender_name);
      add("comparison", a.b6, comparison_name);
      break;
    case pos::num:
      add("case", a.b3, case_name);
      add("number", a.b4, number_name);
      add("gender", a.b5, gender_name);
      add("numeral_sort", a.b6, numeral_sort_name);
      break;
    case pos::adv:
    case pos::adv2:
      add("comparison", a.stem_key, comparison_name);
      break;
    case pos::verb:
      add("tense", a.b3, tense_name);
      add("voice", a.b4, voice_name);
      add("mood", a.b5, mood_name);
      if (a.b6) v.push_back({"person", std::to_string(a.b6)});
      add("number", a.b7, number_name);
      add("verb_kind", a.b2, verb_kind_name);
      break;
    case pos::vpar:
      add("case", a.b3, case_name);
      add("number", a.b4, number_name);
      add("gender", a.b5, gender_name);
      add("tense", a.b6, tense_name);
      add("voice", a.b7, voice_name);
      add("mood", a.b8, mood_name);
      add("verb_kind", a.b2, verb_kind_name);
      break;
    case pos::supine:
      add("case", a.b3, case_name);
      add("number", a.b4, number_name);
      add("gender", a.b5, gender_name);
      break;
    case pos::prep:
      add("case", a.b1, case_name);
      break;
    default:
      break;
  }
  return v;
}

}  // namespace

std::string ud_upos(const WordAnalysis& a) {
  switch (a.speech) {
    case pos::noun:
      return (a.b2 == noun_kind::proper || a.b2 == noun_kind::locale ||
              a.b2 == noun_kind::country)
                 ? "PROPN"
                 : "NOUN";
    case pos::pron:
    case pos::pack: return "PRON";
    case pos::adj:
    case pos::sadj: return "ADJ";
    case pos::num: return "NUM";
    case pos::adv:
    case pos::adv2: return "ADV";
    case pos::verb:
    case pos::vpar:
    case pos::supine: return "VERB";
    case pos::prep: return "ADP";
    case pos::conj: return "CCONJ";
    case pos::interj: return "INTJ";
    case pos::tackon: return "PART";
    case pos::punct: return "PUNCT";
    default: return "X";
  }
}

std::string ud_feats(const WordAnalysis& a) {
  std::vector<std::string> f;
  auto case_feat = [&](Code c) {
    static constexpr const char* k[] = {"", "Nom", "Voc", "Gen", "Loc", "Dat", "Abl", "Acc"};
    if (c >= 1 && c <= 7) f.push_back(std::string("Case=") + k[c]);
  };
  auto number_feat = [&](Code c) {
    if (c == number::sing) f.push_back("Number=Sing");
    if (c == number::plur) f.push_back("Number=Plur");
  };
  auto gender_feat = [&](Code c) {
    static constexpr const char* k[] = {"", "Masc", "Fem", "Neut", "Fem,Masc", "Masc,Neut"};
    if (c >= 1 && c <= 5) f.push_back(std::string("Gender=") + k[c]);
  };
  auto degree_feat = [&](Code c) {
    static constexpr const char* k[] = {"", "Pos", "Cmp", "Sup"};
    if (c >= 1 && c <= 3) f.push_back(std::string("Degree=") + k[c]);
  };
  auto tense_feat = [&](Code c) {
    static constexpr const char* k[] = {"", "Pres", "Past", "Fut", "Past", "Pqp", "Fut"};
    if (c >= 1 && c <= 6) f.push_back(std::string("Tense=") + k[c]);
  };
  auto voice_feat = [&](Code c) {
    if (c == voice::active) f.push_back("Voice=Act");
    if (c == voice::passive) f.push_back("Voice=Pass");
  };
  switch (a.speech) {
    case pos::noun:
      case_feat(a.b3);
      number_feat(a.b4);
      gender_feat(a.b5);
      if (a.b2 == noun_kind::gerund) f.push_back("VerbForm=Ger");
      break;
    case pos::pron: {
      case_feat(a.b3);
      number_feat(a.b4);
      gender_feat(a.b5);
      static constexpr const char* k[] = {"", "Prs", "Rel", "Prs", "Dem", "Int", "Ind", "Dem", "Ind"};
      if (a.b2 >= 1 && a.b2 <= 8) f.push_back(std::string("PronType=") + k[a.b2]);
      break;
    }
    case pos::adj:
    case pos::sadj:
      case_feat(a.b3);
      number_feat(a.b4);
      gender_feat(a.b5);
      degree_feat(a.b6);
      break;
    case pos::num: {
      case_feat(a.b3);
      number_feat(a.b4);
      gender_feat(a.b5);
      static constexpr const char* k[] = {"", "Card", "Ord", "Dist", "Mult"};
      if (a.b6 >= 1 && a.b6 <= 4) f.push_back(std::string("NumType=") + k[a.b6]);
      break;
    }
    case pos::adv:
    case pos::adv2:
      degree_feat(a.stem_key);
      break;
    case pos::verb:
      tense_feat(a.b3);
      voice_feat(a.b4);
      if (a.b5 == mood::ind) f.push_back("Mood=Ind");
      if (a.b5 == mood::sub) f.push_back("Mood=Sub");
      if (a.b5 == mood::imp) f.push_back("Mood=Imp");
      if (a.b6 >= 1 && a.b6 <= 3) f.push_back("Person=" + std::to_string(a.b6));
      number_feat(a.b7);
      f.push_back(a.b5 == mood::inf ? "VerbForm=Inf" : "VerbForm=Fin");
      break;
    case pos::vpar:
      case_feat(a.b3);
      number_feat(a.b4);
      gender_feat(a.b5);
      tense_feat(a.b6);
      voice_feat(a.b7);
      f.push_back(a.b8 == mood::ger ? "VerbForm=Gdv" : "VerbForm=Part");
      break;
    case pos::supine:
      case_feat(a.b3);
      f.push_back("VerbForm=Sup");
      break;
    default:
      break;
  }
  if (f.empty()) return "_";
  std::sort(f.begin(), f.end(), [](const std::string& x, const std::string& y) {
    return to_lower(x) < to_lower(y);
  });
  std::string out;
  for (const auto& s : f) {
    if (!out.empty()) out += '|';
    out += s;
  }
  return out;
}

std::string sentence_to_json(const analysis::AnalysedSentence& s,
                             const analysis::WordAnalyzer& wa) {
  std::string out = "{\"text\":";
  append_json_string(out, s.text);
  out += ",\"tokens\":[";
  bool first_token = true;
  for (const auto& t : s.tokens) {
    if (!first_token) out += ',';
    first_token = false;
    out += "{\"form\":";
    append_json_string(out, t.form);
    if (t.punctuation) out += ",\"punctuation\":true";
    out += ",\"analyses\":[";
    bool first = true;
    for (const auto& c : t.candidates) {
      if (c.analysis.speech == pos::punct) continue;
      if (!first) out += ',';
      first = false;
      const WordAnalysis& a = c.analysis;
      out += "{\"lemma\":";
      append_json_string(out, lemma_of(c, wa));
      out += ",\"pos\":";
      append_json_string(out, speech_name(a.speech));
      for (const auto& attr : attributes(a)) {
        out += ",\"";
        out += attr.key;
        out += "\":";
        append_json_string(out, attr.value);
      }
      out += ",\"analysis\":";
      append_json_string(out, a.latin_text());
      out += ",\"meaning\":";
      append_json_string(out, clean_meaning(wa.full_meaning(c.origin).empty()
                                                ? a.meaning_text()
                                                : wa.full_meaning(c.origin)));
      out += ",\"source\":\"";
      out += source_name(c.origin.source);
      out += "\"";
      if (c.origin.table == analysis::Origin::Table::user) out += ",\"user_dictionary\":true";
      out += ",\"rarity\":\"";
      out.push_back(static_cast<char>(64 + std::clamp<int>(a.rarity, 1, 26)));
      out += "\",\"age\":" + std::to_string(a.age) + "}";
    }
    out += "]}";
  }
  out += "]}";
  return out;
}

std::string sentence_to_conllu(const analysis::AnalysedSentence& s,
                               const analysis::WordAnalyzer& wa, int sentence_number) {
  std::string out = "# sent_id = " + std::to_string(sentence_number) + "\n# text = ";
  append_utf8(out, s.text);
  out += '\n';
  int id = 0;
  for (const auto& t : s.tokens) {
    ++id;
    std::string line = std::to_string(id) + '\t';
    append_utf8(line, t.form);
    line += '\t';
    const Candidate* c = nullptr;
    int count = 0;
    for (const auto& cand : t.candidates) {
      if (cand.analysis.speech == 0 || cand.analysis.speech == 255) continue;
      if (!c || plausibility(cand.analysis) < plausibility(c->analysis)) c = &cand;
      ++count;
    }
    if (!c) {
      line += "_\tX\t_\t_\t_\t_\t_\tAnalyses=0\n";
      out += line;
      continue;
    }
    const WordAnalysis& a = c->analysis;
    std::string_view lemma = t.punctuation ? std::string_view(t.form) : lemma_of(*c, wa);
    if (lemma.empty()) lemma = "_";
    append_utf8(line, lemma);
    line += '\t' + ud_upos(a) + '\t';
    std::string xpos(speech_name(a.speech));
    int decl = a.declension.get();
    if (decl != 0) {
      xpos += ',';
      xpos += std::to_string((decl >> 4) & 0x0F);
      xpos += ',';
      xpos += std::to_string(decl & 0x0F);
    }
    line += xpos + '\t' + ud_feats(a) + "\t_\t_\t_\t";
    std::string misc;
    if (!t.punctuation) {
      std::string gloss = clean_meaning(a.meaning_text());
      std::string_view full = wa.full_meaning(c->origin);
      if (!full.empty()) {
        gloss = clean_meaning(full);
        if (auto slash = gloss.find('/'); slash != std::string::npos) gloss.resize(slash);
      }
      for (char& ch : gloss)
        if (ch == ' ' || ch == '|' || ch == '\t') ch = '_';
      if (!gloss.empty()) {
        misc += "Gloss=";
        append_utf8(misc, gloss);
        misc += '|';
      }
      misc += "Analyses=" + std::to_string(count);
      if (c->origin.source != analysis::Source::core) {
        misc += "|Source=";
        misc += source_name(c->origin.source);
      }
    }
    line += misc.empty() ? "_" : misc;
    line += '\n';
    out += line;
  }
  out += '\n';
  return out;
}

}  // namespace kelvo::formats
