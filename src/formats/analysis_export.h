// Word analyses for other programs: JSON Lines and CoNLL-U, written from the
// public readings alone.
#pragma once
#include <string>
#include <string_view>

#include "kelvo/kelvo.h"

namespace kelvo::formats {

// One JSON object (one line, no trailing newline) for a sentence. Its "text"
// is `text` (UTF-8), the sentence as the user wrote it, or else the sentence
// as the analysis read it. A reading the same as one before it in all that
// the object shows is left out. Tokens come in the order of the text (esset,
// que); an enclitic names its word's index as "enclitic_of", and "links"
// count in the same order.
std::string sentence_to_json(const Sentence& s);
std::string sentence_to_json(const Sentence& s, std::string_view text);
// The same object appended to `out` (a caller writing many reuses one string).
void append_sentence_json(std::string& out, const Sentence& s, std::string_view text);

// One JSON object (one line) for a translated sentence: its Latin, its
// English word by word with the position of the Latin word each renders, and
// every token with its offsets and its chosen reading (null when none).
std::string translation_to_json(const TranslatedSentence& t);

// A CoNLL-U block for a sentence (comment lines, one line per token, blank
// line); "# text" as above, "Analyses=" the number of readings the JSON shows.
// A word with its enclitic is a multiword token: "3-4 essetque", then
// "3 esset" and "4 que".
std::string sentence_to_conllu(const Sentence& s, int sentence_number);
std::string sentence_to_conllu(const Sentence& s, int sentence_number, std::string_view text);
// The same block from its "# text" line on, appended to `out`: a caller that
// numbers the blocks itself writes many into one reused string.
void append_conllu_block(std::string& out, const Sentence& s, std::string_view text);

// Universal Dependencies part of speech and features of one reading.
std::string ud_upos(const Reading& r);
std::string ud_feats(const Reading& r);

}  // namespace kelvo::formats
