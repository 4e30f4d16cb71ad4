#include "kelvo/kelvo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "base/mapped_file.h"
#include "common/requirements.h"
#include "common/test_files.h"
#include "english/standard_phrases.h"
#include "grammar/checked_tables.h"
#include "kelvo/engine_data.h"
#include "kelvo/load_choices.h"

namespace {

using kelvo::Engine;
using kelvo::TextAnalysis;
using kelvo::Translator;

std::shared_ptr<const Engine> real_engine() {
  static std::shared_ptr<const Engine> engine = [] {
    kelvo::EngineConfig config;
    config.data_dir = KELVO_TEST_DATA_DIR;
    auto e = Engine::load(config);
    return e ? *e : nullptr;
  }();
  return engine;
}

#define REQUIRE_ENGINE(e)             \
  auto e = real_engine();             \
  KELVO_REQUIRE_DATA(e, "built data in " KELVO_TEST_DATA_DIR)

// Everything a caller sees of an analysis, as one text to compare.
std::string describe(const TextAnalysis& a) {
  std::string out;
  for (const auto& s : a.sentences) {
    out += s.text + "\n";
    for (const auto& t : s.tokens) {
      out += "  " + t.text + " [" + std::to_string(t.begin) + "," + std::to_string(t.end) + ")";
      for (const auto& r : t.readings)
        out += " " + r.form + "/" + std::to_string(static_cast<int>(r.part_of_speech));
      out += "\n";
    }
  }
  return out;
}

TEST(Facade, TokensCarryTheirPlaceInTheInput) {
  REQUIRE_ENGINE(engine);
  Translator tr(engine, {});
  // UTF-8 with macrons: offsets count the input's bytes, not the folded letters.
  const std::string text = "Gallia est omnis dīvīsa in partēs trēs. Iulius venit.";
  TextAnalysis a = tr.analyse(text);
  ASSERT_TRUE(a.ok());
  ASSERT_EQ(a.sentences.size(), 2u);
  std::vector<std::string> seen;
  for (const auto& s : a.sentences)
    for (const auto& t : s.tokens) seen.push_back(text.substr(t.begin, t.end - t.begin));
  EXPECT_EQ(seen, (std::vector<std::string>{"Gallia", "est", "omnis", "dīvīsa", "in", "partēs",
                                            "trēs", ".", "Iulius", "venit", "."}));
  EXPECT_EQ(a.word_count, 9);
  const auto& est = a.sentences[0].tokens[1];
  ASSERT_FALSE(est.readings.empty());
  EXPECT_EQ(est.readings[0].part_of_speech, kelvo::PartOfSpeech::verb);
}

TEST(Facade, TokensAreNotPlacedInLinesTheCleanUpSkips) {
  REQUIRE_ENGINE(engine);
  Translator tr(engine, {});
  // A line with "--" near its start is a note, not text: the second "Caesar"
  // is the one on the last line, not the one in the note.
  const std::string text = "Caesar venit.\n-- Caesar\nCaesar vicit.";
  TextAnalysis a = tr.analyse(text);
  ASSERT_TRUE(a.ok());
  ASSERT_EQ(a.sentences.size(), 2u);
  ASSERT_FALSE(a.sentences[1].tokens.empty());
  EXPECT_EQ(a.sentences[1].tokens[0].begin, text.rfind("Caesar"));
}

TEST(Facade, AnEncliticPointsAtItsPlaceInsideItsWord) {
  REQUIRE_ENGINE(engine);
  Translator tr(engine, {});
  const std::string text = "Senatus populusque Romanus.";
  TextAnalysis a = tr.analyse(text);
  ASSERT_EQ(a.sentences.size(), 1u);
  for (const auto& t : a.sentences[0].tokens) {
    ASSERT_LT(t.begin, t.end) << t.text;
    std::string shown = text.substr(t.begin, t.end - t.begin);
    EXPECT_EQ(shown, t.text);
  }
}

TEST(Facade, BadInputIsAnErrorValueAndTheTranslatorGoesOn) {
  REQUIRE_ENGINE(engine);
  Translator tr(engine, {});
  TextAnalysis bad = tr.analyse(std::string("arma\0uirumque", 13));
  EXPECT_FALSE(bad.ok());
  EXPECT_TRUE(bad.sentences.empty());
  EXPECT_TRUE(tr.analyse("Arma uirumque cano.").ok());

  // A word cut at its limit: the result says so, and every warning of the run
  // is in its messages, whether or not the host was shown it.
  TextAnalysis cut = tr.analyse("Veni " + std::string(150, 'x') + " vici.");
  EXPECT_EQ(cut.status, kelvo::RunStatus::limit_reached);
  ASSERT_FALSE(cut.messages.empty());
  EXPECT_NE(cut.messages[0].find("More than 100 characters"), std::string::npos);
}

TEST(Facade, MissingDataIsAnErrorNamingTheFolder) {
  kelvo::testing::TempDir empty;
  kelvo::EngineConfig config;
  config.data_dir = empty.path();
  auto e = Engine::load(config);
  ASSERT_FALSE(e);
  EXPECT_NE(e.error().message.find("inflects.dat"), std::string::npos);
  EXPECT_NE(e.error().message.find(empty.path()), std::string::npos);
}

// The engine notes the tables it found right in the user's folder; a
// missing folder is neither made nor written to, and the load goes on
// without a note.
TEST(Facade, NoteOfCheckedTablesIsKeptInTheUsersFolderOnly) {
  REQUIRE_ENGINE(engine);
  kelvo::testing::TempDir home;
  kelvo::EngineConfig config;
  config.data_dir = KELVO_TEST_DATA_DIR;
  config.home_dir = home.file("no such folder");
  ASSERT_TRUE(Engine::load(config));
  EXPECT_FALSE(std::filesystem::exists(config.home_dir));

  config.home_dir = home.path();
  ASSERT_TRUE(Engine::load(config));
  // Tables built moments ago are not noted yet (they must settle).
  auto dict = kelvo::MappedFile::open(std::string(KELVO_TEST_DATA_DIR) + "/dictUK.dat");
  ASSERT_TRUE(dict);
  if (kelvo::grammar::CheckedTables::clock_ns() - dict->stamp().changed_ns <
      kelvo::grammar::CheckedTables::kSettledNs)
    GTEST_SKIP() << "the data was built less than two seconds ago";
  EXPECT_TRUE(std::filesystem::exists(home.file(kelvo::grammar::kCheckedTablesFile)));
}

TEST(Facade, LookupGivesEveryReadingOfOneWord) {
  REQUIRE_ENGINE(engine);
  Translator tr(engine, {});
  auto readings = tr.lookup("amicos");
  ASSERT_FALSE(readings.empty());
  EXPECT_EQ(readings[0].form, "amic.os");
  EXPECT_TRUE(tr.lookup("xqzt").empty());
}

// One engine, eight threads, eight texts: each thread's result is exactly
// what one translator gives alone.
// A sentence with what the sentence analysis made of it: each token's place,
// chosen reading, number of readings and links.
std::string whole_sentence(const kelvo::Sentence& s) {
  std::string out = s.text + "\n";
  for (const auto& t : s.tokens) {
    for (const std::string& field : {t.text, std::to_string(t.begin), std::to_string(t.chosen),
                                     std::to_string(t.readings.size())}) {
      out += field;
      out += ' ';
    }
    for (int l : t.links) {
      out += std::to_string(l);
      out += ',';
    }
    out += '\n';
  }
  return out;
}

std::string whole_analysis(const TextAnalysis& a) {
  std::string out;
  for (const auto& s : a.sentences) out += whole_sentence(s);
  return out;
}

TEST(Facade, EightThreadsOverOneEngineGiveTheSerialResult) {
  REQUIRE_ENGINE(engine);
  const std::vector<std::string> texts = {
      "Gallia est omnis divisa in partes tres.",
      "Quo usque tandem abutere, Catilina, patientia nostra?",
      "In principio aedificavit Romulus urbem et murum.",
      "Arma virumque cano, Troiae qui primus ab oris venit.",
      "Karolus imperator Romanorum ecclesias restauravit.",
      "Marcus Tullius Cicero consul senatum convocavit.",
      "Puer puellae rosam dat; puella puerum amat.",
      "Post haec Caesar exercitum in hiberna deduxit."};
  std::vector<std::string> serial;
  {
    Translator tr(engine, {});
    for (const auto& t : texts) serial.push_back(describe(tr.analyse(t)));
  }
  std::vector<std::string> parallel(texts.size());
  std::vector<std::thread> threads;
  for (std::size_t k = 0; k < texts.size(); ++k)
    threads.emplace_back([&, k] {
      Translator tr(engine, {});
      for (int round = 0; round < 3; ++round) parallel[k] = describe(tr.analyse(texts[k]));
    });
  for (auto& t : threads) t.join();
  EXPECT_EQ(parallel, serial);
}

// Over a long text every token is found where it stands, enclitics inside
// their words: one token the input lacks (an expanded abbreviation, the stop
// added to a last sentence) is left unplaced instead of drawing the tokens
// after it out of place.
TEST(Facade, TokensOfALongTextStayInTheirPlaces) {
  REQUIRE_ENGINE(engine);
  std::string text;
  for (int i = 0; i < 40; ++i)
    text += "Arma virumque cano, qui primus ab oris venit. Senatus populusque Romanus "
            "legiones Galliamque misit; Marcus Tulliusque consul erat.\n";
  text += "Caesar exercitum duxit";  // no stop: the analysis adds one
  Translator tr(engine, {});
  TextAnalysis a = tr.analyse(text);
  ASSERT_TRUE(a.ok());
  auto fold = [](std::string w) {
    for (char& c : w) {
      c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (c == 'v') c = 'u';
    }
    return w;
  };
  int unplaced = 0;
  std::size_t last_end = 0;
  for (const auto& s : a.sentences)
    for (const auto& t : s.tokens) {
      if (t.begin == t.end) {
        ++unplaced;
        continue;
      }
      EXPECT_EQ(fold(text.substr(t.begin, t.end - t.begin)), fold(t.text)) << t.begin;
      EXPECT_LT(t.begin, last_end + 40) << "a token far from the one before: " << t.text;
      last_end = std::max(last_end, t.end);
    }
  EXPECT_EQ(unplaced, 1);  // the stop of the last sentence
  EXPECT_EQ(last_end, text.size());
}

// Each text is analysed afresh: a translator that has just read a clause
// with a singular verb reads "equi et canes" as a pair, as a new one does
// (the verb's number once carried over into the next text's first rules).
TEST(Facade, ATextIsReadTheSameWhateverCameBefore) {
  REQUIRE_ENGINE(engine);
  const std::string text = "Equi et canes in agris currunt.";
  Translator fresh(engine, {});
  const std::string expected = whole_analysis(fresh.analyse(text));
  for (const char* before : {"Puer venit.", "Milites pugnant.", "Dixit.", "Quid agis?"}) {
    Translator tr(engine, {});
    tr.analyse(before);
    EXPECT_EQ(whole_analysis(tr.analyse(text)), expected) << "after " << before;
  }
}

// A caller that takes each sentence without keeping it gets every reading
// whole: the next sentence is decoded in its place, and nothing of a longer
// sentence with more readings (forms, meanings, senses, choices, links) stays.
TEST(Facade, ASentenceDecodedInTheLastOnesPlaceIsWhole) {
  REQUIRE_ENGINE(engine);
  const std::string before =
      "Quam ob rem cum legiones Caesaris in finibus Gallorum hiemarent, quae res erat, "
      "multi milites qui cum eo venerant ad oppidum redierunt.";
  const std::string text = "Puer venit. Ubi est?";
  Translator fresh(engine, {});
  const std::vector<kelvo::Sentence> expected = fresh.analyse(text).sentences;
  ASSERT_EQ(expected.size(), 2u);
  Translator tr(engine, {});
  std::vector<kelvo::Sentence> got;
  kelvo::RunOutputs o;
  o.on_sentence = [&](kelvo::Sentence&& s) { got.push_back(s); };  // a copy: s stays
  tr.set_outputs(o);
  tr.analyse(before);
  got.clear();
  tr.analyse(text);
  ASSERT_EQ(got.size(), expected.size());
  for (std::size_t i = 0; i < got.size(); ++i) EXPECT_TRUE(got[i] == expected[i]) << i;
}

// A token's links name each linked word once, though the reading may be
// tied to two readings of that word (a preposition to both cases of its noun).
TEST(Facade, LinksNameEachWordOnce) {
  REQUIRE_ENGINE(engine);
  Translator tr(engine, {});
  for (const char* text : {"Venit ab Romanis et Gallis.", "Inter Gallos et Romanos pugna erat."}) {
    int linked = 0;
    for (const auto& s : tr.analyse(text).sentences)
      for (const auto& t : s.tokens) {
        std::vector<int> links = t.links;
        std::sort(links.begin(), links.end());
        EXPECT_EQ(std::adjacent_find(links.begin(), links.end()), links.end())
            << t.text << " in " << text;
        linked += static_cast<int>(links.size());
      }
    EXPECT_GT(linked, 0) << text;
  }
}

// A text of `count` sentences of five kinds, some lines holding several.
std::string mixed_text(int count) {
  const char* kinds[] = {"Caesar legiones in hiberna deduxit.", "Puella rosam amat; puer eam spectat.",
                         "Milites, qui cum eo venerant, oppidum ceperunt.", "Quid agis?",
                         "Dux exercitum trans flumen duxit et castra posuit."};
  std::string text;
  for (int i = 0; i < count; ++i) text += std::string(kinds[i * 7 % 5]) + (i % 3 ? " " : "\n");
  return text;
}

// A run that overlaps its output (the sentence passes of several sentences at
// once on threads of their own) hands the caller the same sentences, whole and
// in order, with their choices, links and places, one call at a time (from
// those threads or the caller's, which helps them when it is ahead); the
// translator's next run (the threads kept) does the same. The text is longer
// than the sentences the run lets be on their way, and the caller is slow,
// so the run waits on it and helps.
TEST(Facade, OverlappedOutputGivesTheSameSentencesInOrder) {
  REQUIRE_ENGINE(engine);
  const std::string text = mixed_text(60);
  ASSERT_GE(text.size(), kelvo::kMinOverlappedText);  // long enough for the threads
  std::atomic<int> calls_at_once{0};
  std::atomic<bool> overlapping_calls{false};
  auto run = [&](Translator& tr, bool overlap) {
    std::vector<kelvo::Sentence> out;
    kelvo::RunOutputs o;
    o.overlap = overlap;
    o.on_sentence = [&](kelvo::Sentence&& s) {
      if (calls_at_once.fetch_add(1) != 0) overlapping_calls = true;
      if (overlap) std::this_thread::sleep_for(std::chrono::microseconds(200));
      out.push_back(s);
      calls_at_once.fetch_sub(1);
    };
    tr.set_outputs(o);
    EXPECT_TRUE(tr.analyse(text).ok());
    return out;
  };
  Translator plain(engine, {});
  const std::vector<kelvo::Sentence> expected = run(plain, false);
  EXPECT_EQ(expected.size(), 72u);  // "Puella ... amat; puer ..." is two
  Translator overlapped(engine, {});
  EXPECT_TRUE(run(overlapped, true) == expected);
  EXPECT_TRUE(run(overlapped, true) == expected);
  EXPECT_FALSE(overlapping_calls);
}

// A translation that overlaps its output renders each sentence's English on
// the pipeline's threads: the caller gets the same sentences (Latin placed in
// the text, choices, English word by word) in order, and the same messages
// (here: no standard phrases, said once).
TEST(Facade, OverlappedTranslationGivesTheSameSentencesAndMessages) {
  REQUIRE_ENGINE(engine);
  const std::string text = mixed_text(50);
  ASSERT_GE(text.size(), kelvo::kMinOverlappedText);
  auto run = [&](bool overlap, std::vector<std::string>& messages) {
    Translator tr(engine, {});
    std::vector<std::string> out;
    kelvo::RunOutputs o;
    o.overlap = overlap;
    o.on_translation = [&](kelvo::TranslatedSentence&& t) {
      std::string line = t.english + " |";
      for (const auto& w : t.words) line += " " + w.text + "@" + std::to_string(w.position);
      line += " |";
      for (int c : t.chosen) line += " " + std::to_string(c);
      for (const auto& tok : t.latin.tokens)
        line += " " + tok.text + "[" + std::to_string(tok.begin) + "," + std::to_string(tok.end) +
                ")" + std::to_string(tok.readings.size());
      out.push_back(line);
    };
    tr.set_outputs(o);
    const auto result = tr.translate(text);
    EXPECT_TRUE(result.ok());
    messages = result.messages;
    return out;
  };
  std::vector<std::string> plain_messages, overlapped_messages;
  const auto expected = run(false, plain_messages);
  ASSERT_EQ(expected.size(), 60u);  // "Puella ... amat; puer ..." is two
  EXPECT_EQ(run(true, overlapped_messages), expected);
  EXPECT_EQ(overlapped_messages, plain_messages);
  EXPECT_EQ(std::count(plain_messages.begin(), plain_messages.end(),
                       std::string(kelvo::english::kNoPhrasesMessage)),
            1);
}

// The sentence passes' warnings (a sentence of too many clauses is cut) reach
// the result when the passes run on the pipeline's threads, in the order of a
// plain run among the run's own warnings and questions: a sentence over the
// limit of words is a question, asked after what was said of the sentences
// before it, and the words stored past their limit a warning.
TEST(Facade, OverlappedRunKeepsThePassesWarningsInTheirOrder) {
  REQUIRE_ENGINE(engine);
  std::string text = "Caesar venit.\n";
  for (int i = 0; i < 60; ++i) text += "puer venit, ";
  text += "puella venit.\n";
  for (int i = 0; i < 20; ++i) text += "Milites pugnant.\n";
  for (int i = 0; i < 450; ++i) text += "rosa ";
  text += ".\n";
  for (int i = 0; i < 20; ++i) text += "Milites pugnant.\n";
  ASSERT_GE(text.size(), kelvo::kMinOverlappedText);
  for (const bool translating : {false, true}) {
    auto messages = [&](bool overlap) {
      Translator tr(engine, {});
      kelvo::RunOutputs o;
      o.overlap = overlap;
      int sentences = 0;
      o.on_sentence = [&](kelvo::Sentence&&) { ++sentences; };
      o.on_translation = [&](kelvo::TranslatedSentence&&) { ++sentences; };
      tr.set_outputs(o);
      const auto result = translating ? tr.translate(text).messages : tr.analyse(text).messages;
      EXPECT_EQ(sentences, 44);
      return result;
    };
    const auto plain = messages(false);
    ASSERT_GE(plain.size(), 3u);
    const auto clauses = std::find_if(plain.begin(), plain.end(), [](const std::string& m) {
      return m.find("Too many clauses") != std::string::npos;
    });
    const auto words = std::find_if(plain.begin(), plain.end(), [](const std::string& m) {
      return m.find("Too many words/punctuation") != std::string::npos;
    });
    ASSERT_TRUE(clauses != plain.end() && words != plain.end());
    EXPECT_LT(clauses, words);
    EXPECT_EQ(messages(true), plain) << "translating " << translating;
  }
}

// A logging run whose passes and English are made on the pipeline's threads
// keeps the log of a run on one thread: each sentence's listing, its passes'
// lines (the Details, the cut of a sentence of too many clauses), the Latin
// written before its English, the English, in the same order.
TEST(Facade, OverlappedRunKeepsTheLogInItsOrder) {
  REQUIRE_ENGINE(engine);
  std::string text = "Caesar venit.\n";
  for (int i = 0; i < 60; ++i) text += "puer venit, ";
  text += "puella venit.\n" + mixed_text(40) + "Roma.\n";
  ASSERT_GE(text.size(), kelvo::kMinOverlappedText);
  // The time taken is the one line that may differ.
  auto without_time = [](std::string log) {
    const auto at = log.find("\nTime taken = ");
    if (at != std::string::npos) log.erase(at, log.find('\n', at + 1) - at);
    return log;
  };
  struct Case {
    bool translating, details, joint;
  };
  for (const Case c : {Case{false, false, false}, Case{false, true, false},
                       Case{true, false, true}, Case{true, true, false}}) {
    auto run = [&](bool overlap) {
      kelvo::TranslationOptions options;
      options.details = c.details;
      options.joint = c.joint;
      Translator tr(engine, options);
      kelvo::RunOutputs o;
      o.overlap = overlap;
      o.log = true;
      o.log_banner = "banner\n";
      tr.set_outputs(o);
      // Kept in the result: no caller of its own takes them as they come.
      if (c.translating) {
        auto result = tr.translate(text);
        EXPECT_EQ(result.sentences.size(), 51u);
        return std::pair(without_time(result.log), result.messages);
      }
      auto result = tr.analyse(text);
      EXPECT_EQ(result.sentences.size(), 51u);
      return std::pair(without_time(result.log), result.messages);
    };
    const auto plain = run(false);
    SCOPED_TRACE(::testing::Message() << "translating " << c.translating << ", details "
                                      << c.details << ", joint " << c.joint);
    EXPECT_NE(plain.first.find("Too many clauses"), std::string::npos);
    if (c.details) {
      EXPECT_NE(plain.first.find("Clauses: "), std::string::npos);
    }
    const auto overlapped = run(true);
    EXPECT_EQ(overlapped.first, plain.first);
    EXPECT_EQ(overlapped.second, plain.second);
  }
}

// Loading asks nothing; the program asks about Botany mode afterwards and the
// answer sets the options.
TEST(LoadChoices, BotanyIsAskedAfterTheLoadAndAppliedToTheOptions) {
  auto data = std::make_unique<kelvo::EngineData>();
  Engine without(std::move(data));
  kelvo::RecordingHost host;
  kelvo::TranslationOptions o;
  kelvo::apply_load_choices(without, o, host);
  EXPECT_TRUE(host.questions.empty());
  EXPECT_FALSE(o.botany);
  EXPECT_FALSE(o.hash_in_use);
}

}  // namespace

namespace {

// translate(): the English of each sentence, each English word with the
// Latin word it renders, the chosen reading of each Latin word.
TEST(Facade, TranslateGivesEnglishWordsAndChosenReadings) {
  REQUIRE_ENGINE(engine);
  Translator tr(engine, {});
  const std::string text = "Puella rosas amat. Rosas amabo.";
  kelvo::Translation t = tr.translate(text);
  ASSERT_TRUE(t.ok());
  ASSERT_EQ(t.sentences.size(), 2u);
  const auto& s = t.sentences[0];
  EXPECT_EQ(s.english.substr(0, 8), "The girl");
  ASSERT_EQ(s.chosen.size(), s.latin.tokens.size());
  for (const auto& w : s.words) {
    ASSERT_GE(w.position, 0) << w.text;
    ASSERT_LT(static_cast<std::size_t>(w.position), s.latin.tokens.size());
  }
  EXPECT_EQ(s.latin.tokens[static_cast<std::size_t>(s.words[1].position)].text, "Puella");
  const auto& amat = s.latin.tokens[2];
  ASSERT_GE(s.chosen[2], 0);
  EXPECT_EQ(amat.readings[static_cast<std::size_t>(s.chosen[2])].lemma, "amo");
  EXPECT_EQ(text.substr(amat.begin, amat.end - amat.begin), "amat");
  EXPECT_NE(t.sentences[1].english.find("I shall love"), std::string::npos);
  // The same text twice on one translator gives the same English.
  EXPECT_EQ(tr.translate(text).sentences[0].english, s.english);
}

}  // namespace
