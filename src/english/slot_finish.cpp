#include "english/slot_finish.h"

#include "english/irregular_forms.h"

namespace kelvo::english {

void remove_head_marker(std::string& slot) {
  std::size_t at = slot.find('^');
  if (at != std::string::npos) slot.erase(at, 1);
  while (!slot.empty() && slot.back() == ' ') slot.pop_back();
}

void finish_slot(std::string& slot, const SuffixContext& ctx,
                 std::span<const grammar::PolishRecord> irregular) {
  resolve_suffix(slot, ctx);
  apply_irregular_forms(irregular, slot);
  remove_head_marker(slot);
}

}  // namespace kelvo::english
