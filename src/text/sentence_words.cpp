#include "text/sentence_words.h"

#include <algorithm>
#include <cstring>

#include "text/byte_scan.h"
#include "grammar/codes.h"

namespace kelvo::text {

int word_hash_slot(std::string_view word) {
  // The sum wraps at 32 bits: unsigned arithmetic makes that defined.
  std::uint32_t h = 0;
  std::size_t n = word.size() < 12 ? word.size() : 12;
  for (std::size_t i = 0; i < n; ++i) {
    auto c = static_cast<std::int32_t>(static_cast<signed char>(word[i]));
    h = 2u * (h + static_cast<std::uint32_t>(c)) - 130u;
  }
  auto sh = static_cast<std::int32_t>(h) >> 1;  // arithmetic shift
  return static_cast<int>(sh & 511);
}

SentenceWords::SentenceWords() { clear_word_hash(); }

void SentenceWords::set_token_count(int n) {
  token_count_ = n < 0 ? 0 : (n > kMaxTokens ? kMaxTokens : n);
}

std::string_view SentenceWords::token(int i) const {
  if (i < 0 || i >= kMaxTokens) return {};
  const std::string_view slot(tokens_[static_cast<std::size_t>(i)].data(), kTokenSize);
  // Tokens are short: the word-at-a-time search finds the end in a step or two.
  return slot.substr(0, find_byte(slot, '\0', 0, slot.size()));
}

namespace {

// A bounded copy into a slot, the rest zero-filled. Tokens are short and
// written by the tens of thousands: the clear is two fixed-size parts and the
// copy a plain loop because g++ turns one 100-byte memset, or a memcpy of a
// bounded length, into rep stos / rep movs, whose start-up cost is many times
// that of the few vector stores these compile to.
void fill_slot(TokenSlot& s, std::string_view text) {
  static_assert(kTokenSize > 64);
  std::memset(s.data(), 0, 64);
  std::memset(s.data() + 64, 0, kTokenSize - 64);
  const std::size_t n = text.size() < kTokenSize - 1 ? text.size() : kTokenSize - 1;
  for (std::size_t k = 0; k < n; ++k) s[k] = text[k];
}

}  // namespace

bool SentenceWords::set_token(int i, std::string_view text) {
  if (i < 0 || i >= kMaxTokens) return false;
  fill_slot(tokens_[static_cast<std::size_t>(i)], text);
  if (i >= used_slots_) used_slots_ = i + 1;
  return true;
}

bool SentenceWords::push_token(std::string_view text) {
  if (token_count_ >= kMaxTokens) return false;
  set_token(token_count_, text);
  ++token_count_;
  return true;
}

void SentenceWords::clear_unused_tokens() {
  for (int i = token_count_; i < used_slots_; ++i) tokens_[static_cast<std::size_t>(i)][0] = 0;
  if (used_slots_ > token_count_) used_slots_ = token_count_;
}

void SentenceWords::copy_sentence(SentenceCopy& out) const {
  out.tokens.assign(tokens_.begin(), tokens_.begin() + token_count_);
  out.analyses.assign(analyses_.begin(), analyses_.begin() + analysis_count_);
  out.analysed_words = analysed_words_;
  out.current_position = current_position_;
}

void SentenceWords::load_sentence(const SentenceCopy& in) {
  const int n = static_cast<int>(std::min<std::size_t>(in.tokens.size(), kMaxTokens));
  std::copy(in.tokens.begin(), in.tokens.begin() + n, tokens_.begin());
  token_count_ = n;
  used_slots_ = std::max(used_slots_, n);
  clear_unused_tokens();
  const auto m = std::min<std::size_t>(in.analyses.size(), kMaxAnalyses);
  std::copy(in.analyses.begin(), in.analyses.begin() + static_cast<std::ptrdiff_t>(m),
            analyses_.begin());
  analysis_count_ = static_cast<int>(m);
  analysed_words_ = in.analysed_words;
  current_position_ = in.current_position;
}

int SentenceWords::append_analysis(WarningGate& warnings, ParseLog& log, bool quiet) {
  int index = analysis_count_;
  grammar::WordAnalysis& a = analyses_[static_cast<std::size_t>(index)];
  a = grammar::WordAnalysis{};
  a.position.set(static_cast<std::int16_t>(current_position_));
  a.word_number.set(static_cast<std::int16_t>(analysed_words_));
  a.link1.set(-1);
  a.link2.set(-1);
  a.link3.set(-1);
  ++analysis_count_;
  if (analysis_count_ >= kMaxAnalyses) {
    if (!quiet) warnings.warn(kTooManyAnalysesMessage);
    log.write(kTooManyAnalysesMessage);
    analysis_count_ = 0;
  }
  return index;
}

int SentenceWords::add_punctuation_analysis(std::string_view punct_token, WarningGate& warnings,
                                            ParseLog& log, bool quiet) {
  int code = grammar::punctuation_token_code(punct_token);
  if (code < 0) code = 0;
  int index = append_analysis(warnings, log, quiet);
  grammar::WordAnalysis& a = analyses_[static_cast<std::size_t>(index)];
  a.speech = grammar::pos::punct;
  a.set_punctuation(static_cast<grammar::Code>(code));
  a.rarity = 1;
  a.age = 0;
  char ch[2] = {grammar::kPunctuationChars[static_cast<std::size_t>(code)], 0};
  set_field(a.latin, ch);
  set_field(a.meaning, ch[0] == '(' ? std::string_view(" (") : std::string_view(ch));
  return index;
}

void SentenceWords::clear_word_hash() {
  for (auto& s : hash_) {
    std::memset(s.text, 0, sizeof s.text);
    s.status = -1;
  }
}

}  // namespace kelvo::text
