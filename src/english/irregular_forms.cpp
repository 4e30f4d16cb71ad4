#include "english/irregular_forms.h"

#include <algorithm>

#include "base/text.h"

namespace kelvo::english {

std::string_view irregular_form(std::span<const grammar::PolishRecord> table,
                                std::string_view word) {
  auto it = std::lower_bound(table.begin(), table.end(), word,
                             [](const grammar::PolishRecord& r, std::string_view w) {
                               // Most steps are decided by the first byte (an
                               // empty key's is its end, below every letter).
                               if (!w.empty() && r.key[0] != w[0])
                                 return static_cast<unsigned char>(r.key[0]) <
                                        static_cast<unsigned char>(w[0]);
                               return compare_bytes(field_view(r.key), w) < 0;
                             });
  if (it == table.end() || field_view(it->key) != word) return {};
  return field_view(it->replacement);
}

void apply_irregular_forms(std::span<const grammar::PolishRecord> table, std::string& slot) {
  if (table.empty() || slot.size() > kMaxIrregularSlot) return;
  std::string out;
  std::size_t start = 0;
  int separators = 0;
  while (start <= slot.size()) {
    std::size_t end = separators < 9 ? slot.find_first_of(" -", start) : std::string::npos;
    if (end == std::string::npos) end = slot.size();
    std::string_view word(slot.data() + start, end - start);
    if (word.size() > 2) {
      std::size_t lead = 0;
      while (lead < word.size() && lead < 9 &&
             (word[lead] == '<' || word[lead] == '^' || word[lead] == '~'))
        ++lead;
      std::string_view core = word.substr(lead);
      std::string_view trail;
      if (!core.empty() && (static_cast<unsigned char>(core.back()) < '0' || core.back() == '>')) {
        trail = core.substr(core.size() - 1);
        core.remove_suffix(1);
      }
      std::string_view repl = irregular_form(table, core);
      if (!repl.empty()) {
        out.append(word.substr(0, lead)).append(repl).append(trail);
      } else {
        out.append(word);
      }
    } else {
      out.append(word);
    }
    if (end >= slot.size()) break;
    out.push_back(slot[end]);
    ++separators;
    start = end + 1;
  }
  slot = std::move(out);
}

}  // namespace kelvo::english
