#include "english/basic_polish.h"

#include "base/text.h"
#include "english/irregular_forms.h"
#include "english/phrase_repairs.h"
#include "english/slot_finish.h"
#include "english/text_edit.h"

namespace kelvo::english {

using namespace grammar;

namespace {

bool skipped(Code s) { return s == pos::punct || s == 64 || s == pos::deleted_ai; }

// A proper name reads without "the" ("Caesar", "of Rome").
bool proper_name(const WordAnalysis& a, std::string_view slot) {
  if (a.speech != pos::noun) return false;
  const Code k = a.noun_kind();
  const bool named = k == noun_kind::proper || k == noun_kind::person || k == noun_kind::locale ||
                     k == noun_kind::country ||
                     (k == noun_kind::group && a.number() == number::sing &&
                      a.grammatical_case() == gcase::nom);
  if (!named) return false;
  std::size_t skip = article_length(slot);
  return skip < slot.size() && is_ascii_upper(slot[skip]);
}

void drop_the(std::string& slot) {
  if (begins_with(slot, "the ")) {
    slot.erase(0, 4);
    return;
  }
  std::size_t at = slot.find(" the ");
  if (at != std::string::npos) slot.erase(at + 1, 4);
}

bool links_to(const WordAnalysis& a, int target) {
  for (int k = 0; k < 3; ++k)
    if (a.link(k) == target) return true;
  return false;
}

}  // namespace

std::size_t article_length(std::string_view slot) {
  for (std::string_view a : {"with the ", "to the ", "of the ", "the ", "with ", "to ", "of ", "O "})
    if (starts_with_nocase(slot, a)) return a.size();
  return 0;
}

void basic_polish(const SentenceInput& in, OutputWords& out) {
  const auto irregular = in.wa.lexicon().polish();
  const int n = out.count;
  for (int p = 0; p < n; ++p) {
    const int c = in.chosen(p);
    std::string& slot = out.at(p);
    if (c < 0) continue;
    const WordAnalysis& a = in.at(c);
    if (skipped(a.speech)) continue;
    SuffixContext ctx{a.speech, a.noun_kind(), a.number(), false};
    const int next = in.chosen(p + 1);
    ctx.next_is_ordinal_numeral = next >= 0 && in.at(next).speech == pos::num &&
                                  in.at(next).numeral_sort() == numeral_sort::ord;
    resolve_suffix(slot, ctx);
    apply_irregular_forms(irregular, slot);
    repair_slot(in, out, p);
    if (a.speech == pos::verb || a.speech == pos::phrase_verb) remove_head_marker(slot);
    if (proper_name(a, slot)) drop_the(slot);
  }
  // A preposition's object does not repeat its case's preposition:
  // "in" + "with the beginning" -> "in the beginning".
  for (int p = 1; p < n; ++p) {
    if (in.speech_at(p - 1) != pos::prep) continue;
    std::string& slot = out.at(p);
    for (std::string_view a : {"with the ", "to the ", "of the ", "with ", "to ", "of "})
      if (begins_with(slot, a)) {
        slot.erase(0, a.size() - (ends_with(a, "the ") ? 4 : 0));
        break;
      }
  }
  // A word and the word beside it that agrees with it share one article:
  // "the good" + "the man" -> "the good man".
  for (int p = 0; p + 1 < n; ++p) {
    const int c = in.chosen(p), d = in.chosen(p + 1);
    if (c < 0 || d < 0) continue;
    if (!links_to(in.at(c), d) && !links_to(in.at(d), c)) continue;
    std::string& first = out.at(p);
    std::string& second = out.at(p + 1);
    const std::size_t a1 = article_length(first), a2 = article_length(second);
    if (a1 > 0 && a2 > 0 && second.find("RTB ") == std::string::npos) second.erase(0, a2);
  }
  // The sentence's first word (after any opening marks) gets its capital.
  for (int p = 0; p < n; ++p) {
    std::string& slot = out.at(p);
    if (slot.empty()) continue;
    if (in.speech_at(p) == pos::punct) continue;
    std::size_t k = slot[0] == '<' ? 1 : 0;
    if (k < slot.size() && is_ascii_lower(slot[k])) slot[k] = ascii_upper(slot[k]);
    break;
  }
}

}  // namespace kelvo::english
