// Phrase repairs from the phrase repair table (phrasedud.dat): a verb phrase
// that the templates and agreement left awkward ("I is", "will will") and a
// word phrase that elaboration doubled ("the the", "more good").
#pragma once
#include <span>
#include <string>

#include "english/output_words.h"
#include "english/sentence_input.h"
#include "grammar/records.h"

namespace kelvo::english {

// The place within a slot where a verb-phrase match must end.
inline constexpr std::size_t kVerbRepairReach = 65;

// The first of the verb-phrase records (the table's first kVerbPhraseRepairs)
// found in the slot is applied; true when one was. Only slots that begin with
// a subject or an auxiliary such patterns start with are looked at.
bool repair_verb_phrase(std::span<const grammar::PhraseRepairRecord> table, std::string& slot);

// The sorted word-phrase records: the longest pattern that opens the slot
// (after a leading "to ", "with " or "of " before "the ") and ends at a word's
// end is replaced; an alternative after "/" and the words after a "-" are
// kept aside. True when a record applied.
bool replace_word_phrase(std::span<const grammar::PhraseRepairRecord> table, std::string& slot);

// The polishing pass's step for one slot: a verb slot (or a standard phrase
// made a verb) gets the verb-phrase repair, any other the word-phrase one.
void repair_slot(const SentenceInput& in, OutputWords& out, int slot);

}  // namespace kelvo::english
