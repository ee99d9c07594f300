// Uniform draws for dice and commentary. The application seeds one generator from the
// operating system; tests script the values.
#pragma once

#include <cstdint>
#include <random>

namespace tarmaq {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A draw uniform in [0, 1).
  virtual double uniform() = 0;
};

// The generator the programs use: seeded once, so rolls are not reproducible between
// runs unless a seed is given (the command-line simulations give one).
class SeededRandom final : public RandomSource {
 public:
  SeededRandom();
  explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
  double uniform() override;

 private:
  std::mt19937_64 engine_;
};

}  // namespace tarmaq
