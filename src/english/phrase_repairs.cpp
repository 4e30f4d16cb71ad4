#include "english/phrase_repairs.h"

#include <algorithm>

#include "base/text.h"
#include "english/text_edit.h"

namespace kelvo::english {

using namespace grammar;

namespace {

std::span<const PhraseRepairRecord> verb_section(std::span<const PhraseRepairRecord> t) {
  return t.first(std::min(t.size(), kVerbPhraseRepairs));
}
std::span<const PhraseRepairRecord> word_section(std::span<const PhraseRepairRecord> t) {
  return t.subspan(std::min(t.size(), kVerbPhraseRepairs));
}

std::string_view pattern(const PhraseRepairRecord& r) {
  const std::string_view p = field_view(r.pattern);
  const auto n = static_cast<std::size_t>(std::max<int>(r.length.get(), 0));
  return p.substr(0, std::min(p.size(), n));
}

// Slots that open with what the verb patterns begin with: a pronoun, an
// auxiliary, "to".
bool verb_repair_applies(std::string_view slot) {
  if (slot.empty()) return false;
  if (slot[0] == '<') {
    slot.remove_prefix(1);
  } else if (static_cast<unsigned char>(ascii_lower(slot[0])) <= 'g') {
    return false;
  }
  if (contains(slot, "will be ^") || contains(slot, " ^is ")) return true;
  const std::string head = to_lower(slot.substr(0, 4));
  if (begins_with(head, "ha") && head.size() > 2 && (head[2] == 's' || head[2] == 'v')) return true;
  for (std::string_view p : {"he ", "it ", "i ", "may", "mig", "s/", "she", "the", "to ", "we ",
                             "wil", "you", "must"})
    if (begins_with(head, p)) return true;
  return false;
}

}  // namespace

bool repair_verb_phrase(std::span<const PhraseRepairRecord> table, std::string& slot) {
  if (!verb_repair_applies(slot)) return false;
  for (const PhraseRepairRecord& r : verb_section(table)) {
    const std::string_view p = pattern(r);
    if (p.empty()) continue;
    const std::size_t at = slot.find(p);
    if (at == std::string::npos) continue;
    const std::size_t end = at + p.size();
    const bool word_end = end >= slot.size() || static_cast<unsigned char>(slot[end]) < 'A' ||
                          p.back() == '^';
    if (!word_end || end > kVerbRepairReach) continue;
    slot.replace(at, p.size(), field_view(r.replacement));
    if (std::size_t gap = slot.find("^ "); gap != std::string::npos) slot.erase(gap + 1, 1);
    return true;
  }
  return false;
}

bool replace_word_phrase(std::span<const PhraseRepairRecord> table, std::string& slot) {
  const std::string head = to_lower(std::string_view(slot).substr(0, 3));
  bool opens = false;
  for (std::string_view p : {"mor", "of ", "tha", "the", "thi", "to ", "wit"})
    opens = opens || begins_with(head, p);
  if (!opens) return false;
  // An alternative and a hyphened tail stay as they are.
  std::size_t end = slot.size();
  if (std::size_t alt = slot.find('/'); alt != std::string::npos) end = alt;
  if (std::size_t dash = slot.find('-'); dash != std::string::npos && dash < end) end = dash;
  std::size_t from = 0;
  for (std::string_view lead : {"to ", "with ", "of "})
    if (begins_with(slot, lead) && begins_with(std::string_view(slot).substr(lead.size()), "the ")) {
      from = lead.size();
      break;
    }
  const std::string_view text = std::string_view(slot).substr(from, end - from);
  const auto words = word_section(table);
  // The longest opening run of whole words that the table holds.
  std::size_t k = text.size();
  while (k > 0) {
    const std::string_view run = text.substr(0, k);
    auto it = std::lower_bound(words.begin(), words.end(), run,
                               [](const PhraseRepairRecord& r, std::string_view w) {
                                 return compare_bytes(pattern(r), w) < 0;
                               });
    if (it != words.end() && pattern(*it) == run) {
      slot.replace(from, k, field_view(it->replacement));
      return true;
    }
    const std::size_t space = text.rfind(' ', k - 1);
    if (space == std::string_view::npos) break;
    k = space;
  }
  return false;
}

void repair_slot(const SentenceInput& in, OutputWords& out, int slot) {
  std::string& text = out.at(slot);
  if (text.empty()) return;
  // "O O": a vocative said twice.
  if (text.size() == 3 && ascii_lower(text[0]) == 'o' && text[1] == ' ' && text[2] == 'O') {
    text.resize(1);
    return;
  }
  const auto table = in.wa.lexicon().phrase_repairs();
  const int c = in.chosen(out.source[static_cast<std::size_t>(slot)]);
  const Code speech = c < 0 ? Code{0} : in.at(c).speech;
  if (speech == pos::verb || (speech == pos::phrase_verb && text[0] == '<'))
    repair_verb_phrase(table, text);
  else
    replace_word_phrase(table, text);
}

}  // namespace kelvo::english
