// Polishing: the steps that make the elaborated slots read as English, in
// their order. The sense step and the phrase repairs live in their own
// modules and are reached through hooks, so this pass runs (and is tested)
// without them.
#pragma once
#include "english/output_words.h"
#include "english/sentence_input.h"

namespace kelvo::english {

struct PolishHooks {
  // The sense network over the sentence's ambiguous words; run only with
  // NEURAL on and never for a word on its own.
  using SenseStep = void (*)(const SentenceInput&, OutputWords&);
  // The verb-phrase repair or word-phrase replacement of one slot (the
  // polishing tables), given the slot's index.
  using SlotRepair = void (*)(const SentenceInput&, OutputWords&, int slot);
  SenseStep senses = nullptr;
  SlotRepair repair = nullptr;
};

// The hooks every sentence translator starts with: where the sense network
// and the polishing tables' slot repair are joined to the pass.
PolishHooks default_polish_hooks();

// The whole pass over one sentence's slots.
void polish(const SentenceInput& in, OutputWords& out, const PolishHooks& hooks = {});

// Single-word translation's share of the pass: everything up to and
// including the per-slot rendering; nothing moves and nothing is capitalised.
void polish_word(const SentenceInput& in, OutputWords& out);

}  // namespace kelvo::english
