#include "english/ablative_absolute.h"

#include <utility>

#include "base/text.h"
#include "english/slot_moves.h"
#include "english/text_edit.h"

namespace kelvo::english {

using namespace grammar;

namespace {

bool member(const WordAnalysis& a) {
  return a.grammatical_case() == gcase::abl &&
         (a.speech == pos::noun || (a.speech == pos::vpar && a.mood() == mood::adj_like));
}

}  // namespace

void render_ablative_absolutes(const SentenceInput& in, OutputWords& out) {
  for (int i = 0; i + 1 < out.count; ++i) {
    const int c = slot_reading(in, out, i);
    const int d = slot_reading(in, out, i + 1);
    if (c < 0 || d < 0) continue;
    const WordAnalysis& a = in.at(c);
    const WordAnalysis& b = in.at(d);
    if (!member(a) || !member(b)) continue;
    if (!links_to(a, d) && !links_to(b, c)) continue;
    // The participle of the pair; of two nouns, the second says what the first is.
    const bool first_is_participle = a.speech == pos::vpar && b.speech != pos::vpar;
    const int noun_slot = first_is_participle ? i + 1 : i;
    const int part_slot = first_is_participle ? i : i + 1;
    std::string noun = out.at(noun_slot);
    std::string part = out.at(part_slot);
    bool with = false;
    if (begins_with(noun, "with ")) {
      noun.erase(0, 5);
      with = true;
      if (!noun.empty() && is_ascii_lower(noun[0]) && !begins_with(noun, "the "))
        noun.insert(0, "the ");
    }
    if (begins_with(part, "with ")) {
      part.erase(0, 5);
      drop_leading(part, "the ");
      with = true;
    }
    if (!with) continue;
    const WordAnalysis& p = first_is_participle ? a : b;
    const bool passive = p.speech == pos::vpar && p.voice() == voice::passive;
    if (passive) {
      out.at(i) = "having " + part;
      out.at(i + 1) = noun;
    } else {
      out.at(i) = "since " + noun + (p.number() == number::plur ? " were" : " was");
      out.at(i + 1) = part;
    }
    // Each slot keeps the Latin word its text renders.
    if (passive != first_is_participle)
      std::swap(out.source[static_cast<std::size_t>(i)], out.source[static_cast<std::size_t>(i + 1)]);
    ++i;
  }
}

}  // namespace kelvo::english
