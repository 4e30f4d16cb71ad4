// Sanity checks of the loaded tables beyond their size: a record whose codes
// lie outside what the grammar defines, or that lacks its key, shows a damaged
// file (a flipped bit, a wrong build), which is refused rather than read.
#pragma once
#include <span>
#include <string>

#include "grammar/records.h"

namespace kelvo::grammar {

// The first bad record of a table with its fault ("record 37 has part of
// speech 200, outside 1-16"), or "" when every record is sound.
std::string record_fault(std::span<const InflectionRecord> v);
std::string record_fault(std::span<const UniqueRecord> v);
std::string record_fault(std::span<const AddonRecord> v);
std::string record_fault(std::span<const DictEntry> v);

// Text-only tables: nothing to check beyond their size.
template <typename T>
std::string record_fault(std::span<const T>) {
  return {};
}

}  // namespace kelvo::grammar
