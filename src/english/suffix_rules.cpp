#include "english/suffix_rules.h"

#include "base/text.h"
#include "english/text_edit.h"

namespace kelvo::english {

using namespace grammar;

namespace {

// "human", "Roman", "German" ... are not compounds of "man".
bool takes_regular_plural(std::string_view s) {
  for (std::string_view w : {"humans", "romans", "germans", "shamans", "talismans", "ottomans",
                             "caimans", "caymans"})
    if (ends_with(to_lower(s), w)) return true;
  return false;
}

// Plural repairs that the regular rule gets wrong at the end of a noun.
void repair_plural(std::string& s, const SuffixContext& ctx) {
  if (ends_with(s, "mans") && !takes_regular_plural(s)) {
    s.replace(s.size() - 4, 4, "men");
  } else if (ends_with(s, "fishs")) {
    s.replace(s.size() - 5, 5, "fishes");
  } else if (s.size() > 6 && ends_with(s, "uses") && is_ascii_lower(s[s.size() - 5]) &&
             ctx.noun_kind == noun_kind::group && ctx.number == number::plur) {
    s.replace(s.size() - 4, 4, "i");
  }
}

}  // namespace

bool resolve_suffix(std::string& slot, const SuffixContext& ctx) {
  const std::size_t plus = slot.find('+');
  if (plus == std::string::npos) return false;
  std::string stem = slot.substr(0, plus);
  std::size_t suffix_end = plus + 1;
  while (suffix_end < slot.size() && is_ascii_letter(slot[suffix_end])) ++suffix_end;
  const std::string suffix = slot.substr(plus + 1, suffix_end - plus - 1);
  const std::string rest = slot.substr(suffix_end);
  const char last = stem.empty() ? '\0' : stem.back();
  // "say", "play", "obey": a y after a vowel stays ("says", "played").
  const bool soft_y =
      last == 'y' && stem.size() >= 2 && std::string_view("aeou").find(stem[stem.size() - 2]) !=
                                             std::string_view::npos;
  std::string word = suffix;
  if (!suffix.empty() && suffix[0] == 'e') {
    if (last == 'e') stem.pop_back();
    else if (last == 'y' && !soft_y) stem.back() = 'i';
  } else if (!suffix.empty() && suffix[0] == 'i') {
    if (last == 'e' || last == 'i') stem.pop_back();
  } else if (last == 'y' && !soft_y && !suffix.empty() && suffix[0] == 's') {
    stem.back() = 'i';
    word = "e" + suffix;
  } else if (last == 'y' && suffix == "th" && ctx.next_is_ordinal_numeral) {
    word.assign(1, '-');  // "twenty-" joins the ordinal that follows
  } else if (!suffix.empty() && suffix[0] == 's' &&
             (last == 'x' || last == 's' ||
              (ends_with(stem, "ch") && ctx.speech != pos::pron))) {
    word = "e" + suffix;
  }
  slot = stem + word;
  if (ctx.speech == pos::noun) repair_plural(slot, ctx);
  slot.append(rest);
  return true;
}

}  // namespace kelvo::english
