// The engine over the built data, loaded once for a benchmark program (null
// when the data is not there).
#pragma once
#include <memory>

#include "kelvo/kelvo.h"

namespace kelvo::bench {

inline std::shared_ptr<const Engine> engine() {
  static std::shared_ptr<const Engine> e = [] {
    EngineConfig config;
    config.data_dir = KELVO_BENCH_DATA_DIR;
    auto r = Engine::load(config);
    return r ? *r : nullptr;
  }();
  return e;
}

}  // namespace kelvo::bench
