#include "shell/single_word.h"

#include <cstdio>

namespace kelvo::shell {

namespace {

// The English as the translation text shows it.
std::string shown_english(std::string english, bool drop_article) {
  if (auto caret = english.find('^'); caret != std::string::npos) english.erase(caret, 1);
  for (std::size_t at; (at = english.find("RTB ")) != std::string::npos;)
    english.replace(at, 4, "requiring-to-be-");
  if (drop_article) {
    if (english.rfind("the ", 0) == 0) {
      english.erase(0, 4);
    } else if (auto inner = english.find(" the "); inner != std::string::npos) {
      english.erase(inner + 1, 4);  // " the " becomes " "
    }
  }
  return english;
}

}  // namespace

WordRequest request_type(bool click, SingleWordChoice choice) {
  if (!click || choice != SingleWordChoice::translation_lower_pane) return WordRequest::glossary;
  return WordRequest::click;
}

PreparedWord prepare_word(std::string_view word) {
  PreparedWord out;
  for (char c : word) {
    switch (static_cast<unsigned char>(c)) {
      case 'J': out.word += 'I'; break;
      case 'V': out.word += 'U'; break;
      case 'j': out.word += 'i'; break;
      case 'v': out.word += 'u'; break;
      case 0x8C: out.word += "Oe"; break;
      case 0x9C: out.word += "oe"; break;
      case 0xC6:
      case 0xE6: out.word += "ae"; break;
      default: out.word += c;
    }
  }
  if (out.word.size() > kMaxWordLength) {
    char buf[300];
    std::snprintf(buf, sizeof buf, "More than %d characters in word %.*s.\nTruncated at %d chars.",
                  static_cast<int>(kMaxWordLength + 1), static_cast<int>(kMaxWordLength),
                  out.word.c_str(), static_cast<int>(kWordCutLength));
    out.warning = buf;
    out.word.resize(kWordCutLength);
  }
  return out;
}

SingleWordTexts compose_single_word(std::string_view word, const std::vector<WordReading>& readings,
                                    const std::vector<std::string>& alternatives,
                                    WordRequest request) {
  SingleWordTexts out;
  const std::string w(word);
  out.glossary = "'" + w + "':\n";
  out.translation = "'" + w + "': ";
  auto too_long = [&] {
    return out.glossary.size() > kWordTextLimit || out.translation.size() > kWordTextLimit;
  };
  bool cut = false;
  std::string previous, current;
  for (const WordReading& r : readings) {
    std::string english = shown_english(r.english, r.drop_article);
    const bool same = english == previous;
    if (request != WordRequest::glossary && same) continue;
    if (request != WordRequest::click) out.glossary += r.report_line + " ";
    if (!same) {
      out.translation += english + " , ";
      current = english;
    }
    out.glossary += r.meaning + "\n";
    previous = english;
    if (too_long()) {
      out.glossary += kWordTextTruncated;
      out.translation += kWordTextTruncated;
      cut = true;
      break;
    }
  }
  if (!cut && out.translation.size() < kWordTextLimit && !alternatives.empty()) {
    out.translation += "\nAlternatives: ";
    std::size_t n = 0;
    for (const std::string& alt : alternatives) {
      if (alt == current) continue;
      if (++n > kMaxRenderings || out.translation.size() > kWordTextLimit) {
        out.translation += kWordTextTruncated;
        break;
      }
      out.translation += alt + " , ";
    }
  }
  return out;
}

bool lower_pane_shows_glossary(WordRequest request, SingleWordChoice choice) {
  return request == WordRequest::glossary && choice == SingleWordChoice::glossary_lower_pane;
}

bool glossary_window_opens(WordRequest request, SingleWordChoice choice) {
  return request == WordRequest::glossary && choice != SingleWordChoice::glossary_lower_pane;
}

}  // namespace kelvo::shell
