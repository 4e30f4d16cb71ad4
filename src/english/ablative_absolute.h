// The ablative absolute ("urbe capta", "Caesare duce") said as an English
// clause: "having taken the city", "since Caesar was leader".
#pragma once
#include "english/output_words.h"
#include "english/sentence_input.h"

namespace kelvo::english {

void render_ablative_absolutes(const SentenceInput& in, OutputWords& out);

}  // namespace kelvo::english
