#include "log/race_comment.h"

#include "engine/game_state.h"
#include "engine/random_source.h"

namespace tarmaq {

namespace {

std::string_view driverName(const Game& game, int car) {
  const Car* c = game.car(car);
  return c ? std::string_view(c->driverName) : std::string_view();
}

// Two drivers of one team get the teammates' sentences. A car that does not exist is
// on no team, so it never makes a pair of teammates.
bool teammates(const Game& game, int car, int otherCar) {
  const Car* a = game.car(car);
  const Car* b = game.car(otherCar);
  return a && b && a->teamName == b->teamName;
}

// Int(r * n) for a draw r in [0, 1), held inside 0..n-1 so that a source handing out
// 1.0, a negative value or NaN cannot pick a sentence past the list.
std::size_t pick(double r, std::size_t n) {
  if (!(r > 0)) return 0;
  auto i = static_cast<std::size_t>(r * static_cast<double>(n));
  return i < n ? i : n - 1;
}

bool alwaysVaried(int kind) { return kind == commentary::MaxSpeed || kind == commentary::Bogged; }

// Puts the names in place of "{A}" and "{B}" in one pass from left to right, so a name
// that happens to hold "{B}" goes in as it is.
std::string fillComment(std::string_view text, std::string_view a, std::string_view b) {
  std::string out;
  out.reserve(text.size() + a.size() + b.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, 3, "{A}") == 0) {
      out += a;
      i += 3;
    } else if (text.compare(i, 3, "{B}") == 0) {
      out += b;
      i += 3;
    } else {
      out += text[i++];
    }
  }
  return out;
}

}  // namespace

std::string raceComment(const Game& game, int kind, int car, int otherCar) {
  const bool pair = kind == commentary::Overtake && teammates(game, car, otherCar);
  auto list = commentAlternatives(kind, pair);
  if (list.empty()) return {};

  std::size_t i = 0;
  RandomSource* random = game.services.random;
  if (random && (alwaysVaried(kind) || !game.options.standardComments))
    i = pick(random->uniform(), list.size());

  return fillComment(list[i], driverName(game, car), driverName(game, otherCar));
}

}  // namespace tarmaq
