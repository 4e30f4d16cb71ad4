#include "mkdata/english_words.h"

#include <fstream>
#include <sstream>

#include "base/text.h"

namespace kelvo::mkdata {

namespace {

Result<std::string> slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return make_error(ErrorKind::missing, path + ": cannot open");
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Calls `fn` with the first one or two fields of each line that is not a
// licence line (those begin with a blank).
template <typename Fn>
void each_line(std::string_view text, Fn fn) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t nl = text.find('\n', start);
    std::string_view line = text.substr(start, (nl == std::string_view::npos ? text.size() : nl) - start);
    start = nl == std::string_view::npos ? text.size() : nl + 1;
    if (line.empty() || line[0] == ' ') continue;
    std::size_t sp = line.find(' ');
    std::string_view first = line.substr(0, sp);
    std::string_view second;
    if (sp != std::string_view::npos) {
      std::string_view rest = line.substr(sp + 1);
      second = rest.substr(0, rest.find(' '));
    }
    fn(first, second);
  }
}

}  // namespace

Result<EnglishWords> EnglishWords::load(const std::string& dir) {
  EnglishWords out;
  auto verbs = slurp(dir + "/index.verb");
  if (!verbs) return verbs.error();
  auto nouns = slurp(dir + "/index.noun");
  if (!nouns) return nouns.error();
  auto exc = slurp(dir + "/noun.exc");
  if (!exc) return exc.error();
  each_line(*verbs, [&](std::string_view w, std::string_view) { out.verbs_.emplace(w); });
  each_line(*nouns, [&](std::string_view w, std::string_view) { out.nouns_.emplace(w); });
  each_line(*exc, [&](std::string_view plural, std::string_view single) {
    if (!single.empty() && plural != single) out.plurals_.emplace(plural, single);
  });
  if (out.verbs_.empty() || out.nouns_.empty())
    return make_error(ErrorKind::corrupt, dir + ": the WordNet index files hold no words");
  return out;
}

std::string EnglishWords::singular(std::string_view w) const {
  if (auto it = plurals_.find(std::string(w)); it != plurals_.end()) return it->second;
  if (w.size() < 4 || w.back() != 's' || w[w.size() - 2] == 's' || w[w.size() - 2] == 'u')
    return {};
  std::string_view base = w.substr(0, w.size() - 1);
  if (is_noun(base)) return std::string(base);
  if (w.size() > 4 && w.substr(w.size() - 3) == "ies") {
    std::string y(w.substr(0, w.size() - 3));
    y.push_back('y');
    if (is_noun(y)) return y;
  }
  if (w.size() > 4 && w.substr(w.size() - 2) == "es" && is_noun(w.substr(0, w.size() - 2)))
    return std::string(w.substr(0, w.size() - 2));
  return {};
}

}  // namespace kelvo::mkdata
