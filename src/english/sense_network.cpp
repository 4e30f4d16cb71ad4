#include "english/sense_network.h"

#include <cmath>
#include <cstdio>

// The sums below must be rounded to float after every product and every
// addition, in the order written, so that outputs near 0.5 fall on the same
// side everywhere: this file is compiled without floating-point contraction.

namespace kelvo::english {

namespace {

// The trained weights, as the shortest decimals that round to each float.
// plaga: 8 inputs, 6 hidden units, 2 outputs.
constexpr NetworkWeights kPlaga{
    "plaga2.wht", 8, 6, 2,
    {{{0.091772f, -5.166689f, -6.158251f, 0.349634f, -3.577573f, -4.536684f},
      {7.891055f, 9.806673f, 9.43951f, -5.215642f, 1.970551f, -2.412528f},
      {-10.469486f, -1.052575f, 3.214095f, -0.422518f, 0.823063f, 8.432504f},
      {1.338191f, 2.953589f, -6.816845f, 5.23685f, 0.315998f, -1.833403f},
      {5.191936f, -1.433339f, 1.11304f, -5.415902f, -0.122752f, -5.376743f},
      {6.076146f, 2.835401f, 4.085357f, -3.094741f, -8.564988f, 5.851695f},
      {-7.324538f, -6.577684f, 6.374442f, -1.624731f, 13.254877f, -11.11348f},
      {-1.500911f, 1.050322f, 5.130563f, -5.572342f, 5.758521f, -12.646018f}}},
    {-2.117803f, -8.332589f, -1.111441f, -0.952064f, -5.461136f, -3.989383f},
    {{{-1.885901f, 3.421299f},
      {-5.262129f, 0.101109f},
      {5.958969f, -1.649747f},
      {0.188916f, 3.517086f},
      {1.426903f, -8.519712f},
      {-7.814028f, 2.957025f}}},
    {0.977963f, -0.179614f}};

// contentus: 4 inputs, 3 hidden units, 1 output.
constexpr NetworkWeights kContentus{
    "content.wht", 4, 3, 1,
    {{{1.543215f, -2.343611f, 7.809938f},
      {-1.199538f, 9.07615f, -1.106206f},
      {0.184922f, -4.23347f, 2.100161f},
      {-0.634079f, -0.221815f, -3.425221f}}},
    {-2.117182f, -3.417524f, -3.593032f},
    {{{0.403124f},
      {-6.512773f},
      {6.435572f}}},
    {-0.080751f}};

// saltus: 9 inputs, 6 hidden units, 2 outputs.
constexpr NetworkWeights kSaltus{
    "saltus.wht", 9, 6, 2,
    {{{8.464949f, -0.75586f, -9.392973f, -1.263452f, 3.861952f, 7.569287f},
      {9.178568f, 2.921061f, -0.52582f, -0.934041f, -2.066157f, -7.261958f},
      {-7.278181f, 7.385242f, 2.918907f, -8.287436f, 7.214048f, -11.82585f},
      {3.538442f, 2.331181f, -9.468034f, -3.528053f, 4.993616f, -4.07969f},
      {-3.41507f, 10.433541f, 6.852726f, 9.961669f, -5.738629f, 4.571481f},
      {1.417724f, 7.401757f, -3.019875f, -2.38276f, -7.579205f, 6.617857f},
      {1.095248f, 1.310549f, -3.757495f, 7.139307f, 4.410922f, -4.029502f},
      {3.802745f, 10.612535f, 7.371932f, -1.599271f, 3.845492f, 0.336828f},
      {11.261201f, -7.464f, -13.663592f, -3.988935f, 4.919167f, 7.713981f}}},
    {-5.593082f, -7.808091f, 9.054056f, -0.725687f, -16.16833f, -4.019922f},
    {{{-9.158718f, 5.533262f},
      {-8.903722f, 1.789719f},
      {8.164038f, -10.970371f},
      {-1.04375f, 9.636361f},
      {7.948077f, 1.678654f},
      {8.331514f, -9.061286f}}},
    {1.241318f, -6.608814f}};

constexpr const NetworkWeights* kSets[kWeightSetCount] = {&kPlaga, &kContentus, &kSaltus};

float sigmoid(float net) { return 1.0f / (1.0f + std::exp(-net)); }

// One unit: its weighted inputs summed in order, then its bias, then the
// sigmoid; `weight(j)` is the weight from input j.
template <typename Weight>
float unit(int n, const float* x, float bias, Weight weight) {
  float net = 0.0f;
  for (int j = 0; j < n; ++j) {
    const auto uj = static_cast<std::size_t>(j);
    const float term = weight(uj) * x[uj];
    net = net + term;
  }
  net = bias + net;
  return sigmoid(net);
}

}  // namespace

const NetworkWeights* weight_set(int which) {
  if (which < 0 || which >= kWeightSetCount) return nullptr;
  return kSets[which];
}

void forward_pass(const NetworkWeights& w, const std::array<float, kNetworkMaxInputs>& inputs,
                  NetworkResult& result) {
  std::array<float, kNetworkMaxHidden> hidden{};
  for (int h = 0; h < w.n_hidden; ++h)
    hidden[static_cast<std::size_t>(h)] =
        unit(w.n_inputs, inputs.data(), w.b1[static_cast<std::size_t>(h)],
             [&](std::size_t i) { return w.w1[i][static_cast<std::size_t>(h)]; });
  result.n_outputs = w.n_outputs;
  result.outputs.fill(0.0f);
  for (int k = 0; k < w.n_outputs; ++k)
    result.outputs[static_cast<std::size_t>(k)] =
        unit(w.n_hidden, hidden.data(), w.b2[static_cast<std::size_t>(k)],
             [&](std::size_t h) { return w.w2[h][static_cast<std::size_t>(k)]; });
}

void threshold_outputs(NetworkResult& result) {
  result.code = 0;
  result.bits.clear();
  for (int k = 0; k < result.n_outputs; ++k) {
    const bool on = result.outputs[static_cast<std::size_t>(k)] > 0.5f;
    if (on) result.code += 1 << (result.n_outputs - 1 - k);
    result.bits.push_back(on ? '1' : '0');
  }
}

NetworkStatus run_network(const NetworkRequest& req, NetworkResult& result, std::string* trace) {
  if (req.input.size() != static_cast<std::size_t>(req.n_inputs))
    return NetworkStatus::input_length;
  if (req.n_inputs < 0 || req.n_inputs > kNetworkMaxInputs || req.n_hidden < 0 ||
      req.n_hidden > kNetworkMaxHidden || req.n_outputs < 0 || req.n_outputs > kNetworkMaxOutputs)
    return NetworkStatus::shape;
  const NetworkWeights* w = weight_set(req.weight_set);
  if (!w) return NetworkStatus::weight_set;
  // The set's own shape decides the pass; inputs the code does not give are 0.
  std::array<float, kNetworkMaxInputs> inputs{};
  for (std::size_t i = 0; i < req.input.size(); ++i)
    inputs[i] = static_cast<float>(req.input[i] - '0');
  forward_pass(*w, inputs, result);
  threshold_outputs(result);
  if (trace) {
    char line[48];
    for (int k = 0; k < result.n_outputs; ++k) {
      std::snprintf(line, sizeof line, "output %d = %4.2f. ", k + 1,
                    static_cast<double>(result.outputs[static_cast<std::size_t>(k)]));
      trace->append(line);
    }
  }
  return NetworkStatus::ok;
}

}  // namespace kelvo::english
