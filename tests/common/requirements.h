// What a test needs from outside the source tree, and what happens without it.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>

namespace kelvo::testing {

inline bool env_set(const char* name) {
  const char* v = std::getenv(name);
  return v != nullptr && *v != '\0';
}

}  // namespace kelvo::testing

// ../shared (the corpus, the evaluation sets) is beside the project in CI and in
// development, not on a user's machine: without it a test skips, but in CI it fails.
#define KELVO_REQUIRE_SHARED(present, what)                                    \
  if (!(present)) {                                                            \
    if (kelvo::testing::env_set("CI")) FAIL() << "missing in CI: " << what;    \
    GTEST_SKIP() << "skipped, missing: " << what;                              \
  }

// The generated data is built by the build itself: a test that cannot find it
// fails, unless the developer asks to skip with KELVO_ALLOW_MISSING_DATA=1.
#define KELVO_REQUIRE_DATA(present, what)                                      \
  if (!(present)) {                                                            \
    if (!kelvo::testing::env_set("KELVO_ALLOW_MISSING_DATA"))                  \
      FAIL() << "missing: " << what << " (set KELVO_ALLOW_MISSING_DATA=1 to skip)"; \
    GTEST_SKIP() << "skipped, missing: " << what;                              \
  }
