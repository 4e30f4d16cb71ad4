#include "english/verb_phrase.h"

#include <array>

#include "base/text.h"
#include "english/text_edit.h"

namespace kelvo::english {

using namespace grammar;

namespace {

constexpr std::array<std::string_view, 10> kReflexive{
    "", "", "", "", "myself", "yourself", "himself", "ourselves", "yourselves", "themselves"};
constexpr std::array<std::string_view, 10> kPossessive{
    "one's", "one's", "one's", "one's", "my", "your", "his", "our", "your", "their"};
constexpr std::array<std::string_view, 10> kBe{"", "", "", "", "am", "are", "is", "are", "are",
                                               "are"};
constexpr std::array<std::string_view, 10> kPronoun{"", "", "", "", "I ", "you ", "", "we ",
                                                    "you ", "they "};

// Rows by tense; columns active indicative, active subjunctive, passive
// indicative, passive subjunctive.
constexpr std::array<std::array<std::string_view, 4>, 6> kTemplates{{
    {"%s", "may %s", "are %s+ed", "may be %s+ed"},
    {"were %s+ing", "might %s", "were being %s+ed", "might be %s+ed"},
    {"will %s", "may in future %s", "will be %s+ed", "may in future be %s+ed"},
    {"have %s+ed", "might have %s+ed", "were %s+ed", "might have been %s+ed"},
    {"had %s+ed", "might have %s+ed", "had been %s+ed", "might have been %s+ed"},
    {"will have %s+ed", "might in future have %s+ed", "will have been %s+ed",
     "might in future have been %s+ed"},
}};

void fill(std::string& out, std::string_view pattern, std::string_view word) {
  out.clear();
  std::size_t at = pattern.find("%s");
  out.append(pattern.substr(0, at));
  out.append(word);
  out.append(pattern.substr(at + 2));
}

// The pronoun of a third-person singular verb, or "" when none is written.
std::string_view third_person_pronoun(const WordAnalysis& verb, int subject_count,
                                      const SubjectFacts& subject) {
  if (verb.verb_kind() == verb_kind::impers)
    return starts_with_nocase(verb.latin_text(), "inqu") ? "one " : "it ";
  const bool singular = verb.number() != number::plur;
  if (!(subject_count == 0 || (singular && subject_count > 1))) return "";
  if (!subject.linked || subject.speech == pos::verb) return "s/he/it ";
  if (subject.speech == pos::pron) return "";
  const Code k = subject.noun_kind;
  if (k == noun_kind::proper || k == noun_kind::person || k == noun_kind::group) {
    switch (subject.gender) {
      case gender::masc: return "he ";
      case gender::fem: return "she ";
      case gender::neuter: return "it ";
      case gender::common: return "s/he ";
      default: return "s/he/it ";
    }
  }
  return subject.gender == gender::common ? "s/he " : "it ";
}

// The forms of "be" that the templates cannot spell.
void settle_be(std::string& s, const WordAnalysis& verb, Code tense, Code voice, Code mood, int p) {
  if (replace_first(s, "be+ed", "been")) {
    if (voice == voice::passive) {
      replace_first(s, "be ^been", "have ^been") || replace_first(s, "are ^been", "have ^been") ||
          replace_first(s, "am ^been", "have ^been") ||
          replace_first(s, "being ^been", "having ^been") ||
          replace_first(s, "is ^been", "has ^been");
    }
    if (tense == tense::futp) replace_first(s, "will has ^been", "will have ^been");
    std::string form;
    for (char c : verb.latin_text())
      if (c != '.') form.push_back(ascii_lower(c));
    if (form == "fore") s = "to be about to ^be";
    return;
  }
  if (replace_first(s, "be+s", form_of_be(p))) return;
  // "^be" alone, or after its pronoun ("I ^be", "we ^be"): the present of be.
  if (mood != mood::imp && ends_with(s, "^be") && mood == mood::ind && tense == tense::pres &&
      p >= 4) {
    s.resize(s.size() - 2);
    s.append(form_of_be(p));
    return;
  }
  replace_first(s, "be+ing", "being");
}

}  // namespace

int person_index(const WordAnalysis& verb) {
  if (verb.mood() == mood::inf) return 0;
  int person = verb.person();
  int num = verb.number() == number::plur ? 2 : 1;
  if (person < 1 || person > 3) person = 3;
  return person + 3 * num;
}

std::string_view form_of_be(int p) {
  return p >= 0 && p < static_cast<int>(kBe.size()) ? kBe[static_cast<std::size_t>(p)] : "";
}

void build_verb_phrase(std::string_view meaning, const WordAnalysis& verb, int subject_count,
                       const SubjectFacts& subject, std::string& out) {
  const int p = person_index(verb);
  // 1. A reflexive meaning takes the reflexive of the verb's person.
  std::string text(meaning);
  if (text.size() > 7 && ends_with(text, "oneself")) {
    text.resize(text.size() - 7);
    text.append(kReflexive[static_cast<std::size_t>(p)]);
    while (!text.empty() && text.back() == ' ') text.pop_back();
  }
  // "lose one's speech": the possessive of the person too.
  if (std::size_t at = text.find("one's"); at != std::string::npos && p >= 4 &&
                                           (at == 0 || text[at - 1] == ' '))
    text.replace(at, 5, kPossessive[static_cast<std::size_t>(p)]);
  // 2. The head word, and the tail that follows the whole phrase.
  std::size_t space = text.find(' ');
  std::string head = "^";
  head.append(std::string_view(text).substr(0, space));
  std::string_view tail =
      space == std::string::npos ? std::string_view() : std::string_view(text).substr(space);

  // 3. Codes: 0 counts as the first value; deponents render as actives.
  Code tense = verb.tense() ? verb.tense() : tense::pres;
  Code voice = verb.voice() ? verb.voice() : voice::active;
  Code mood = verb.mood() ? verb.mood() : mood::ind;
  const Code kind = verb.verb_kind();
  if (kind == verb_kind::dep) voice = voice::active;
  if (kind == verb_kind::semidep && tense >= tense::perf) voice = voice::active;
  if (kind == verb_kind::perfdef && tense >= tense::perf && tense <= tense::futp)
    tense = static_cast<Code>(tense - 3);

  // 4. The template.
  std::string& s = out;
  if (mood == mood::inf) {
    fill(s, voice == voice::passive ? "to be %s+ed"
            : tense == tense::pres  ? "to %s"
                                    : "to have %s+ed",
         head);
  } else if (tense >= 1 && tense <= 6 && voice <= 2 && mood <= 3) {
    const int m = mood == mood::sub ? 2 : 1;
    fill(s, kTemplates[tense - 1u][static_cast<std::size_t>((voice - 1) * 2 + (m - 1))], head);
  } else {
    fill(s, "unrecognised form of %s", head);
  }

  // 5. Agreement of the indicative and imperative.
  const bool singular = p >= 4 && p <= 6;
  const int person = p >= 7 ? p - 6 : p - 3;
  if (mood != mood::sub && mood != mood::inf && singular && (person == 1 || person == 3)) {
    if (!replace_first(s, "were ", "was ") && !replace_first(s, "are ", std::string(form_of_be(p)) + " ")) {
      if (person == 3) {
        if (contains(s, "have ") && !contains(s, "will have ")) replace_first(s, "have ", "has ");
      } else if (person == 1) {
        replace_first(s, "will ", "shall ");
      }
    }
  }

  // 6. The subject pronoun (not for a command, except the future active one).
  const bool command = mood == mood::imp && !(tense == tense::fut && voice == voice::active);
  if (!command && p >= 4) {
    if (p == 6) {
      s.insert(0, third_person_pronoun(verb, subject_count, subject));
      if (tense == tense::pres && voice == voice::active && mood == mood::ind) {
        if (ends_with(s, "s") || ends_with(s, "sh") || ends_with(s, "ch"))
          s.append("+es");
        else if (s != "^to")
          s.append("+s");
      }
    } else if (p != 9 || subject_count < 2) {
      s.insert(0, kPronoun[static_cast<std::size_t>(p)]);
    }
  }

  // 7. The verb "be".
  if (head == "^be") settle_be(s, verb, tense, voice, mood, p);

  // 8. Impersonal verbs whose meaning is "(it) is ...": the templates would
  // give "it has is+ed" or "it was is+ing"; each tense gets its form of "be".
  if (kind == verb_kind::impers && contains(s, "^is")) {
    const bool sub = mood == mood::sub;
    replace_first(s, "has ^is+ed", "^was") || replace_first(s, "was ^is+ing", "^was") ||
        replace_first(s, "were ^is+ing", "^were") || replace_first(s, "is+ed", "been") ||
        replace_first(s, "is+es", sub ? "be" : "is") || replace_first(s, "will ^is", "will ^be") ||
        replace_first(s, "may ^is", "may ^be") || replace_first(s, "might ^is", "might ^be") ||
        replace_first(s, "shall ^is", "shall ^be");
  }

  // 9. The tail follows the whole phrase; a command ends with "!" after it.
  s.append(tail);
  if (mood == mood::imp) s.push_back('!');
  cut_to(s, kMaxPhrase);
}

}  // namespace kelvo::english
