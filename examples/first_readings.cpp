// Load the engine, analyse a sentence, print each word's first reading.
#include <cstdio>

#include "kelvo/kelvo.h"

int main(int argc, char** argv) {
  auto engine = kelvo::Engine::load({});
  if (!engine) return std::fprintf(stderr, "%s\n", engine.error().message.c_str()), 2;
  kelvo::Translator translator(*engine, kelvo::TranslationOptions{});
  auto text = translator.analyse(argc > 1 ? argv[1] : "Gallia est omnis divisa in partes tres.");
  for (const auto& sentence : text.sentences)
    for (const auto& token : sentence.tokens)
      if (!token.punctuation && !token.readings.empty())
        std::printf("%-12s %-16s %s\n", token.text.c_str(), token.readings[0].form.c_str(),
                    token.readings[0].meaning.c_str());
  return 0;
}
