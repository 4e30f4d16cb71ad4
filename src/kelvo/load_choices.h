// The choices that depend on what an Engine loaded, made by the program after
// the load and applied through the option rules: the Botany question, the
// precomputed translations, the standard phrases that could not be read.
#pragma once
#include "base/host.h"
#include "base/options.h"
#include "kelvo/kelvo.h"

namespace kelvo {

inline constexpr const char* kBotanyQuestion =
    "You have the Botany Database installed.\nThis will alter standard settings (see "
    "manual).\n\nClick YES to accept, NO to disable it (for all other Latin options).";

void apply_load_choices(const Engine& engine, TranslationOptions& options, Host& host);

}  // namespace kelvo
