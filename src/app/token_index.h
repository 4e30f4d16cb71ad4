// Where each analysed token stands in the Latin pane: the core gives byte
// offsets in the UTF-8 text it was sent; the pane counts UTF-16 positions and
// the text may have been a selection starting further on. Built once per run
// (on the worker thread); looking up a position is a binary search.
#pragma once
#include <memory>
#include <string_view>
#include <vector>

#include "kelvo/kelvo.h"

namespace kelvo::app {

class TokenIndex {
 public:
  TokenIndex() = default;
  // `text` is what the run was sent; `pane_offset` the pane position of its
  // first character.
  TokenIndex(std::shared_ptr<const TextAnalysis> analysis, std::string_view text, int pane_offset);

  // The word token at a pane position, or null.
  const Token* token_at(int pane_position) const;
  // Its span in the pane, [begin, end).
  struct Span {
    int begin = 0;
    int end = 0;
    const Token* token = nullptr;
  };
  // Spans found otherwise (the English words of a translation), by begin.
  TokenIndex(std::shared_ptr<const TextAnalysis> analysis, std::vector<Span> spans);
  const Span* span_at(int pane_position) const;
  // The span of one of the run's tokens, or null (punctuation, a cut text).
  const Span* span_of(const Token* token) const;
  bool empty() const { return spans_.empty(); }
  std::size_t size() const { return spans_.size(); }

 private:
  std::shared_ptr<const TextAnalysis> analysis_;
  std::vector<Span> spans_;  // by begin
};

}  // namespace kelvo::app
