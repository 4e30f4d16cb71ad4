#include "userdata/shell_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace u = kelvo::userdata;

TEST(ShellSort, PassCountIsTheIntegerLog2) {
  struct Case { std::size_t n; int passes; };
  for (auto c : {Case{0, 0}, Case{1, 0}, Case{2, 1}, Case{3, 1}, Case{4, 2}, Case{7, 2},
                 Case{8, 3}, Case{1'024, 10}, Case{1'023, 9}, Case{10'000, 13},
                 Case{1u << 20, 20}})
    EXPECT_EQ(u::shell_sort_passes(c.n), c.passes) << c.n;
}

TEST(ShellSort, SortsEverySize) {
  std::mt19937 rng(42);
  for (std::size_t n = 0; n < 300; ++n) {
    std::vector<int> v(n);
    for (int& x : v) x = static_cast<int>(rng() % 50);
    std::vector<int> want = v;
    std::sort(want.begin(), want.end());
    u::shell_sort(std::span<int>(v), std::less<int>());
    EXPECT_EQ(v, want) << n;
  }
}
