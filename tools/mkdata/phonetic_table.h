// phoneticuk.dat: the phonetic key of every distinct lower-case dictionary
// stem with the index of its first entry, sorted by key for binary search.
#pragma once
#include <span>
#include <vector>

#include "grammar/records.h"

namespace kelvo::mkdata {

// `entries` is the sorted dictionary as written to dictUK.dat.
std::vector<grammar::PhoneticRecord> build_phonetic_table(
    std::span<const grammar::DictEntry> entries);

}  // namespace kelvo::mkdata
