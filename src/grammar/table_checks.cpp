#include "grammar/table_checks.h"

#include <string>

namespace kelvo::grammar {

namespace {

// "" when a field's value lies in its range, else the fault.
std::string code_fault(std::size_t record, const char* field, int value, int low, int high) {
  if (value >= low && value <= high) return {};
  return "record " + std::to_string(record) + " has " + field + " " + std::to_string(value) +
         ", outside " + std::to_string(low) + "-" + std::to_string(high);
}

// The grammar bytes that follow the part of speech in inflections and uniques.
// Bytes 6 to 8 hold different codes by part of speech (person, verb kind, noun
// kind ...): the largest of any kind bounds them.
constexpr int kLargestKindCode = noun_kind::country;

template <typename R>
std::string grammar_fault(std::size_t i, const R& r) {
  std::string f = code_fault(i, "part of speech", r.speech, pos::noun, pos::punct);
  if (f.empty()) f = code_fault(i, "declension", r.which, 0, 9);
  if (f.empty()) f = code_fault(i, "variant", r.variant, 0, 9);
  if (f.empty()) f = code_fault(i, "case or tense", r.b3, 0, gcase::invar);
  if (f.empty()) f = code_fault(i, "number or voice", r.b4, 0, number::plur);
  if (f.empty()) f = code_fault(i, "gender or mood", r.b5, 0, mood::adj_like);
  if (f.empty()) f = code_fault(i, "byte 6", r.b6, 0, kLargestKindCode);
  if (f.empty()) f = code_fault(i, "byte 7", r.b7, 0, kLargestKindCode);
  if (f.empty()) f = code_fault(i, "byte 8", r.b8, 0, kLargestKindCode);
  return f;
}

}  // namespace

std::string record_fault(std::span<const InflectionRecord> v) {
  for (std::size_t i = 0; i < v.size(); ++i) {
    std::string f = grammar_fault(i, v[i]);
    if (f.empty()) f = code_fault(i, "stem key", v[i].stem_key, 0, 4);
    if (!f.empty()) return f;
  }
  return {};
}

std::string record_fault(std::span<const UniqueRecord> v) {
  for (std::size_t i = 0; i < v.size(); ++i) {
    std::string f = grammar_fault(i, v[i]);
    if (f.empty() && v[i].latin_text().empty()) f = "record " + std::to_string(i) + " has no form";
    if (!f.empty()) return f;
  }
  return {};
}

std::string record_fault(std::span<const AddonRecord> v) {
  for (std::size_t i = 0; i < v.size(); ++i) {
    std::string f = code_fault(i, "kind", v[i].addon_kind, pos::tackon, pos::suffix);
    if (f.empty() && v[i].text_view().empty()) f = "record " + std::to_string(i) + " has no text";
    if (!f.empty()) return f;
  }
  return {};
}

std::string record_fault(std::span<const DictEntry> v) {
  for (std::size_t i = 0; i < v.size(); ++i) {
    const auto& e = v[i];
    // Only the low five bits of the part of speech are a code.
    std::string f = code_fault(i, "part of speech", e.speech & 0x1F, pos::noun, pos::punct);
    if (f.empty()) f = code_fault(i, "declension", e.which, 0, 9);
    if (f.empty()) f = code_fault(i, "variant", e.variant, 0, 9);
    if (f.empty()) f = code_fault(i, "stem key", e.stem_key, 0, 4);
    if (f.empty() && e.stem_text().empty()) f = "record " + std::to_string(i) + " has no stem";
    if (!f.empty()) return f;
  }
  return {};
}

}  // namespace kelvo::grammar
