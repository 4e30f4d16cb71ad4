#include "kelvo/load_choices.h"

#include "grammar/records.h"
#include "kelvo/engine_data.h"

namespace kelvo {

void apply_load_choices(const Engine& engine, TranslationOptions& options, Host& host) {
  const EngineData& d = engine.data();
  options.botany = options.botany_available = false;
  if (d.lexicon.has_botany()) {
    options.botany_available = true;
    if (host.ask_yes_no(kBotanyQuestion)) {
      options.botany = true;
      options.area = grammar::kBotanyAreaLetter;
      options.age = Age::all;
      options.best_order = WordOrder::nomverb;
    } else {
      options.botany_available = false;
    }
  }
  options.hash_in_use = options.allow_hash && d.lexicon.has_hash();
  if (d.user_phrases_refused) options.allow_user_phrase = false;
}

}  // namespace kelvo
