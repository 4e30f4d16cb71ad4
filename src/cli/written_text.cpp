#include "cli/written_text.h"

#include <algorithm>
#include <vector>

#include "text/input_text.h"

namespace kelvo::cli {

namespace {

bool is_space(char c) { return static_cast<unsigned char>(c) <= ' '; }

// A line the preparation skips: "--" within its first five characters.
bool is_comment_line(std::string_view line) {
  return line.substr(0, 5).find("--") != std::string_view::npos;
}

struct Place {
  std::size_t begin, end;
};

// The placed tokens in input order, none inside another.
std::vector<Place> placed(const Sentence& s) {
  std::vector<Place> out;
  for (const auto& t : s.tokens)
    if (t.begin < t.end) out.push_back({t.begin, t.end});
  std::stable_sort(out.begin(), out.end(),
                   [](const Place& a, const Place& b) { return a.begin < b.begin; });
  std::vector<Place> kept;
  for (const auto& p : out)
    if (kept.empty() || p.begin >= kept.back().end) kept.push_back(p);
  return kept;
}

}  // namespace

WrittenText::WrittenText(std::string_view input) : input_(input) {
  text::EncodingDetector detector;
  detector.feed(input);
  utf8_ = detector.encoding() == text::TextEncoding::utf8;
}

bool WrittenText::in_comment_line(std::size_t p, std::size_t& line_end) const {
  if (p < line_start_ || p >= line_end_ || line_end_ == 0) {
    const std::size_t before = p == 0 ? std::string_view::npos : input_.rfind('\n', p - 1);
    line_start_ = before == std::string_view::npos ? 0 : before + 1;
    line_end_ = input_.find('\n', p);
    if (line_end_ == std::string_view::npos) line_end_ = input_.size();
    comment_ = is_comment_line(input_.substr(line_start_, line_end_ - line_start_));
  }
  line_end = line_end_;
  return comment_;
}

std::string WrittenText::text(std::size_t begin, std::size_t end) const {
  end = std::min(end, input_.size());
  std::string out;
  bool blank = false;  // a blank is due before the next character
  for (std::size_t p = begin; p < end;) {
    std::size_t line_end = 0;
    if (!in_comment_line(p, line_end)) {
      // Each run of blanks becomes one blank, none at the start or end.
      std::string_view line = input_.substr(p, std::min(line_end, end) - p);
      while (!line.empty()) {
        std::size_t n = 0;
        while (n < line.size() && is_space(line[n])) ++n;
        if (n > 0) {
          blank = !out.empty();
          line.remove_prefix(n);
          continue;
        }
        while (n < line.size() && !is_space(line[n])) ++n;
        if (blank) out.push_back(' ');
        blank = false;
        if (utf8_)
          out.append(line.substr(0, n));
        else
          text::append_windows1252_as_utf8(line.substr(0, n), out);
        line.remove_prefix(n);
      }
    }
    blank = !out.empty();
    p = line_end + 1;
  }
  return out;
}

std::string WrittenText::sentence(const Sentence& s) const {
  const auto places = placed(s);
  if (!places.empty()) return text(places.front().begin, places.back().end);
  std::string_view own = s.text;
  while (!own.empty() && is_space(own.front())) own.remove_prefix(1);
  while (!own.empty() && is_space(own.back())) own.remove_suffix(1);
  return text::windows1252_to_utf8(own);
}

std::string WrittenText::tokens(const Sentence& s) const {
  std::string out;
  auto add = [&](std::string piece, bool joined) {
    if (piece.empty()) return;
    if (!out.empty() && !joined) out.push_back(' ');
    out += piece;
  };
  const auto places = placed(s);
  std::size_t pos = places.empty() ? 0 : places.front().begin;
  for (const auto& place : places) {
    // What lies between the tokens, word by word; a piece that touches the
    // token before it belongs with it.
    for (std::size_t p = pos; p < place.begin;) {
      const std::size_t start = p;
      while (p < place.begin && !is_space(input_[p])) ++p;
      add(text(start, p), start == pos);
      while (p < place.begin && is_space(input_[p])) ++p;
    }
    add(text(place.begin, place.end), false);
    pos = place.end;
  }
  return out;
}

}  // namespace kelvo::cli
