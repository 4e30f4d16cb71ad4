// The phonetic key of a Latin spelling: spellings that sound alike (medieval
// e for ae, ci for ti, ph for f, dropped h, doubled consonants, y for i) share
// one key. The data builder keys every dictionary stem with it; word analysis
// keys the stems of a word it could not find.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace kelvo::grammar {

// Keys longer than this are cut (the record's key field holds 23 characters).
inline constexpr std::size_t kPhoneticKeyLength = 23;

std::string phonetic_key(std::string_view spelling);

}  // namespace kelvo::grammar
