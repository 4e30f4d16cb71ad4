#include <cstdio>

int main() {
  std::fprintf(stderr, "kelvo-mkdata: not built yet\n");
  return 0;
}
