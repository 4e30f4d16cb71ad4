#include "mkdata/irregular_english.h"

#include <algorithm>
#include <map>

#include "english/suffix_rules.h"
#include "grammar/codes.h"
#include "mkdata/whitaker_reader.h"

namespace kelvo::mkdata {

namespace {

// Calls `fn` with every line that is not WordNet's licence text (those begin
// with a blank).
template <typename Fn>
void each_entry(std::string_view text, Fn fn) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t nl = text.find('\n', start);
    std::string_view line =
        text.substr(start, (nl == std::string_view::npos ? text.size() : nl) - start);
    start = nl == std::string_view::npos ? text.size() : nl + 1;
    if (!line.empty() && line[0] != ' ') fn(line);
  }
}

// Each line's first two fields. Multi-word entries ("bog_down") never reach
// a slot whole.
std::vector<WordPair> read_pairs(std::string_view text) {
  std::vector<WordPair> out;
  each_entry(text, [&](std::string_view line) {
    std::size_t sp = line.find(' ');
    if (sp == std::string_view::npos) return;
    std::string_view form = line.substr(0, sp), rest = line.substr(sp + 1);
    std::string_view base = rest.substr(0, rest.find_first_of(" \r"));
    if (form.empty() || base.empty()) return;
    if (form.find('_') != std::string_view::npos || base.find('_') != std::string_view::npos)
      return;
    out.emplace_back(std::string(form), std::string(base));
  });
  return out;
}

// index.<pos>: "lemma pos synset_cnt p_cnt [ptr...] sense_cnt tagsense_cnt ...".
void read_index(std::string_view text, std::unordered_map<std::string, int>* tags,
                std::unordered_set<std::string>& lemmas) {
  std::vector<std::string_view> f;
  each_entry(text, [&](std::string_view line) {
    f.clear();
    std::size_t p = 0;
    while (p < line.size()) {
      std::size_t sp = line.find(' ', p);
      if (sp == std::string_view::npos) sp = line.size();
      if (sp > p) f.push_back(line.substr(p, sp - p));
      p = sp + 1;
    }
    if (f.empty() || f[0].find('_') != std::string_view::npos) return;
    lemmas.emplace(f[0]);
    if (!tags || f.size() < 4) return;
    const int pointers = std::atoi(std::string(f[3]).c_str());
    const std::size_t at = 5 + static_cast<std::size_t>(std::max(pointers, 0));
    if (at < f.size()) (*tags)[std::string(f[0])] = std::atoi(std::string(f[at]).c_str());
  });
}

bool ends_with(std::string_view s, std::string_view t) {
  return s.size() >= t.size() && s.substr(s.size() - t.size()) == t;
}

// The word the suffix rules make of `base` and `suffix`: what the polishing
// pass will look up.
std::string spell(std::string_view base, std::string_view suffix, grammar::Code speech) {
  std::string slot(base);
  slot.push_back('+');
  slot.append(suffix);
  english::SuffixContext ctx;
  ctx.speech = speech;
  english::resolve_suffix(slot, ctx);
  return slot;
}

// The verb templates add "+es" after s, sh and ch, "+s" otherwise.
std::string third_person_key(std::string_view base) {
  const bool es = ends_with(base, "s") || ends_with(base, "sh") || ends_with(base, "ch");
  return spell(base, es ? "es" : "s", grammar::pos::verb);
}

// How much a form looks like a past participle rather than a simple past:
// -n/-ne endings (gone, taken, borne) and the u of sing/sang/sung.
int participle_score(const std::string& form, const std::vector<std::string>& others) {
  int score = 0;
  if (ends_with(form, "n") || ends_with(form, "ne")) score += 4;
  for (const std::string& o : others) {
    if (o == form || o.size() != form.size()) continue;
    for (std::size_t i = 0; i < form.size(); ++i)
      if (form[i] == 'u' && o[i] == 'a') score += 2;
  }
  return score * 100 + static_cast<int>(form.size());
}

int syllables(std::string_view w) {
  int groups = 0;
  bool in_vowel = false;
  for (char c : w) {
    const bool v = std::string_view("aeiouy").find(c) != std::string_view::npos;
    if (v && !in_vowel) ++groups;
    in_vowel = v;
  }
  if (groups > 1 && ends_with(w, "e") && !ends_with(w, "le")) --groups;  // a silent e
  return groups;
}

// English compares short adjectives with -er/-est (bigger, happier) and
// longer ones with more/most (more able, not abler); better and worse are
// not the base's spelling at all.
bool compared_by_ending(std::string_view base, std::string_view form) {
  if (form.substr(0, std::min<std::size_t>(3, form.size())) !=
      base.substr(0, std::min<std::size_t>(3, base.size())))
    return true;
  const int n = syllables(base);
  return n <= 1 || (n == 2 && ends_with(base, "y"));
}

bool is_be(std::string_view form) {
  for (std::string_view b : {"am", "are", "is", "was", "were", "been", "being"})
    if (form == b) return true;
  return false;
}

struct VerbForms {
  std::vector<std::string> past_like, ing, third;
};

std::map<std::string, VerbForms> group_verbs(const WordNetForms& wn) {
  std::map<std::string, VerbForms> by_base;
  for (const auto& [form, base] : wn.verb_exc) {
    if (base == "be" || is_be(form) || form == base) continue;
    // Spelling variants of a hyphened or unhyphened compound are not forms.
    if ((form.find('-') == std::string::npos) != (base.find('-') == std::string::npos)) continue;
    VerbForms& v = by_base[base];
    if (ends_with(form, "ing"))
      v.ing.push_back(form);
    else if (form.back() == 's' && form[0] == base[0] && !ends_with(form, "ss"))
      v.third.push_back(form);
    else
      v.past_like.push_back(form);
  }
  return by_base;
}

// Regular forms of every WordNet verb, to see whose spelling a key also is.
std::unordered_map<std::string, std::vector<std::string>> regular_verb_forms(
    const WordNetForms& wn) {
  std::unordered_map<std::string, std::vector<std::string>> out;
  for (const auto& [verb, tags] : wn.verb_tags) {
    (void)tags;
    for (std::string key : {spell(verb, "ed", grammar::pos::verb),
                            spell(verb, "ing", grammar::pos::verb), third_person_key(verb)})
      out[key].push_back(verb);
  }
  return out;
}

int tag_count(const std::unordered_map<std::string, int>& tags, const std::string& w) {
  auto it = tags.find(w);
  return it == tags.end() ? 0 : it->second;
}

class TableMaker {
 public:
  explicit TableMaker(const WordNetForms& wn) : wn_(wn), regular_(regular_verb_forms(wn)) {}

  // Adds key -> form unless a real word or a commoner verb is spelled like
  // the key: replacing it would spoil that word wherever it stands.
  void add(const std::string& key, const std::string& form, const std::string& base,
           int base_tags) {
    if (key == form || seen_.count(key)) return;
    if (wn_.lemmas.count(key)) {
      left_out(key + " (a word itself) -> " + form);
      return;
    }
    if (auto it = regular_.find(key); it != regular_.end()) {
      for (const std::string& other : it->second) {
        if (other == base) continue;
        // A clear lead keeps the irregular verb: sing+ed over singe+ed.
        if (base_tags <= 2 * tag_count(wn_.verb_tags, other) + 2) {
          left_out(key + " (also " + other + ") -> " + form);
          return;
        }
      }
    }
    seen_.insert(key);
    table_.forms.emplace_back(key, form);
  }

  void left_out(std::string what) { table_.left_out.push_back(std::move(what)); }
  IrregularTable take() { return std::move(table_); }
  IrregularTable& table() { return table_; }

 private:
  const WordNetForms& wn_;
  std::unordered_map<std::string, std::vector<std::string>> regular_;
  std::unordered_set<std::string> seen_;
  IrregularTable table_;
};

}  // namespace

Result<WordNetForms> WordNetForms::load(const std::string& dir) {
  WordNetForms wn;
  struct Input {
    const char* name;
    std::string text;
  };
  std::vector<Input> in{{"verb.exc", {}}, {"noun.exc", {}}, {"adj.exc", {}},
                        {"index.verb", {}}, {"index.noun", {}}, {"index.adj", {}},
                        {"index.adv", {}}};
  for (Input& i : in) {
    auto text = read_whole_file(dir + "/" + i.name);
    if (!text) return text.error();
    i.text = std::move(*text);
  }
  wn.verb_exc = read_pairs(in[0].text);
  wn.noun_exc = read_pairs(in[1].text);
  wn.adj_exc = read_pairs(in[2].text);
  read_index(in[3].text, &wn.verb_tags, wn.lemmas);
  read_index(in[4].text, &wn.noun_tags, wn.lemmas);
  read_index(in[5].text, nullptr, wn.lemmas);
  read_index(in[6].text, nullptr, wn.lemmas);
  if (wn.verb_exc.empty() || wn.noun_exc.empty() || wn.verb_tags.empty())
    return make_error(ErrorKind::corrupt, dir + ": the WordNet exception lists hold no forms");
  return wn;
}

std::vector<IrregularVerb> irregular_verbs(const WordNetForms& wn) {
  std::vector<IrregularVerb> out;
  for (const auto& [base, v] : group_verbs(wn)) {
    if (v.past_like.empty()) continue;
    std::vector<std::string> forms = v.past_like;
    std::stable_sort(forms.begin(), forms.end(), [&](const std::string& a, const std::string& b) {
      return participle_score(a, v.past_like) > participle_score(b, v.past_like);
    });
    // One form serves for both (brought); of several, the participle-like one
    // is the participle and the least participle-like the past.
    out.push_back({base, forms.back(), forms.front()});
  }
  return out;
}

IrregularTable build_irregular_table(const WordNetForms& wn) {
  TableMaker make(wn);
  const auto verbs = group_verbs(wn);
  // Every "+ed" of the verb templates follows have, had, be or been: the
  // participle is the form those keys want.
  for (const IrregularVerb& v : irregular_verbs(wn))
    make.add(spell(v.base, "ed", grammar::pos::verb), v.participle, v.base,
             tag_count(wn.verb_tags, v.base));
  for (const auto& [base, v] : verbs) {
    const int tags = tag_count(wn.verb_tags, base);
    if (!v.ing.empty()) make.add(spell(base, "ing", grammar::pos::verb), v.ing.front(), base, tags);
    if (!v.third.empty()) make.add(third_person_key(base), v.third.front(), base, tags);
  }
  // Plurals: a noun with a regular plural among its forms keeps it.
  std::map<std::string, std::vector<std::string>> plurals;
  for (const auto& [form, base] : wn.noun_exc)
    if (form != base) plurals[base].push_back(form);
  for (const auto& [base, forms] : plurals) {
    const std::string key = spell(base, "s", grammar::pos::noun);
    if (std::find(forms.begin(), forms.end(), key) != forms.end()) continue;
    make.add(key, forms.front(), base, tag_count(wn.noun_tags, base));
  }
  // Comparison: "more good" -> "better", "most good" -> "best".
  std::unordered_set<std::string> compared;
  for (const auto& [form, base] : wn.adj_exc) {
    if (form == base || form.find('-') != std::string::npos) continue;
    if (!compared_by_ending(base, form)) continue;
    const bool superlative = ends_with(form, "st");
    const std::string phrase = (superlative ? "most " : "more ") + base;
    if (!compared.insert(phrase).second) continue;
    make.table().comparisons.emplace_back(phrase, form);
  }
  IrregularTable t = make.take();
  std::sort(t.forms.begin(), t.forms.end());
  return t;
}

}  // namespace kelvo::mkdata
