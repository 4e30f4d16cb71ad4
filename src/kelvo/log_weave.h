// The parse log of a run whose sentences are prepared on other threads. The
// run's own log holds what the reading writes (the banner, each word's
// listing, the joined Latin, the closing counts); the lines each sentence's
// passes and English write are kept apart, as the threads finish them, and
// put in at the places the run marked for them while it read. The whole log
// is then the one a run on one thread writes.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

class LogWeave {
 public:
  void clear();

  // On the reading thread. The next sentence's passes write at `at` in the
  // run's log; its English too, unless mark_english() moves it later.
  void mark_sentence(std::size_t at);
  // Where the last marked sentence's English goes (after what the run wrote
  // between its passes and its English).
  void mark_english(std::size_t at);

  // On the delivering thread, one sentence at a time in the order they were
  // marked: that sentence's lines. (The marks and the lines are kept apart,
  // so the two threads never touch the same storage.)
  void add(std::string_view passes, std::string_view english);

  // Puts every sentence's lines in their places in the run's log, in place
  // (a long run's log is not held twice); a mark past its end (never made
  // so) is read as its end.
  void weave_into(std::string& run_log) const;

 private:
  std::vector<std::size_t> marks_;  // two a sentence: its passes', its English's
  std::string lines_;               // every sentence's lines, one after another
  std::vector<std::size_t> ends_;   // two a sentence: where each part ends in lines_
};

}  // namespace kelvo
