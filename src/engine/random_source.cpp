#include "engine/random_source.h"

namespace tarmaq {

SeededRandom::SeededRandom() {
  std::random_device device;
  std::seed_seq seq{device(), device(), device(), device()};
  engine_.seed(seq);
}

double SeededRandom::uniform() {
  // 53 random bits give every double in [0, 1) on the grid of 2^-53; never 1.0.
  return static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0);
}

}  // namespace tarmaq
