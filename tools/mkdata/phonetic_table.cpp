#include "mkdata/phonetic_table.h"

#include <algorithm>
#include <cstdint>

#include "base/text.h"
#include "grammar/phonetic_key.h"

namespace kelvo::mkdata {

std::vector<grammar::PhoneticRecord> build_phonetic_table(
    std::span<const grammar::DictEntry> entries) {
  std::vector<grammar::PhoneticRecord> out;
  std::string_view previous;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::string_view stem = entries[i].stem_text();
    // One record per stem: word analysis finds every entry of a stem itself.
    if (stem == previous) continue;
    previous = stem;
    // Capitalised stems are names, which word analysis does not respell.
    if (stem.empty() || !is_ascii_lower(stem[0])) continue;
    grammar::PhoneticRecord r{};
    set_field(r.key, grammar::phonetic_key(stem));
    r.entry.set(static_cast<std::int32_t>(i));
    out.push_back(r);
  }
  std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
    return compare_bytes(a.key_text(), b.key_text()) < 0;
  });
  return out;
}

}  // namespace kelvo::mkdata
