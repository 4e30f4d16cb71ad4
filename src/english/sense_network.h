// The small feed-forward network that tells apart the senses of plaga,
// contentus and saltus from a code of '0'/'1' context features. Its three
// weight sets are built in; the arithmetic is single precision in a fixed
// order so that a code always gives the same outputs on every machine.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo::english {

inline constexpr int kNetworkMaxInputs = 20;
inline constexpr int kNetworkMaxHidden = 20;
inline constexpr int kNetworkMaxOutputs = 10;

enum class WeightSet : int { plaga = 0, contentus = 1, saltus = 2 };
inline constexpr int kWeightSetCount = 3;

enum class NetworkStatus : std::uint16_t {
  ok = 0,
  input_length = 1,  // the code's length is not the declared number of inputs
  shape = 2,         // the declared shape is beyond the network's limits
  weight_set = 3,    // no such weight set
};

// One weight set: w1[i][h] joins input i to hidden unit h, w2[h][k] hidden
// unit h to output k (all 0-based here).
struct NetworkWeights {
  const char* label;
  int n_inputs, n_hidden, n_outputs;
  std::array<std::array<float, kNetworkMaxHidden>, kNetworkMaxInputs> w1;
  std::array<float, kNetworkMaxHidden> b1;
  std::array<std::array<float, kNetworkMaxOutputs>, kNetworkMaxHidden> w2;
  std::array<float, kNetworkMaxOutputs> b2;
};

// The built-in set, or null for a value outside 0..2.
const NetworkWeights* weight_set(int which);

// What the caller declares for one run.
struct NetworkRequest {
  std::string_view input;  // one '0' or '1' per input
  int n_inputs = 0, n_hidden = 0, n_outputs = 0;
  int weight_set = 0;
};

struct NetworkResult {
  std::array<float, kNetworkMaxOutputs> outputs{};
  int n_outputs = 0;
  int code = 0;      // output k above 0.5 sets bit n_outputs-1-k (the first output is the high bit)
  std::string bits;  // '1'/'0' per output, first output first
};

// Checks the declared shape, then runs the selected weight set over the code.
// `trace`, when given, receives the line "output K = V. " per output.
NetworkStatus run_network(const NetworkRequest& req, NetworkResult& result,
                          std::string* trace = nullptr);

// The forward pass alone: outputs of `w` for `inputs` (entry i = input i).
void forward_pass(const NetworkWeights& w, const std::array<float, kNetworkMaxInputs>& inputs,
                  NetworkResult& result);

// Turns the outputs into code and bits (an output of exactly 0.5 counts as 0).
void threshold_outputs(NetworkResult& result);

}  // namespace kelvo::english
