// The game: one object holding the race state, the rule settings, the race class, the
// track, the view, the game log, the presentation model and the options. Cars are
// passed around as car numbers (indices into `cars`).
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "engine/controls.h"
#include "engine/race_class.h"
#include "engine/rules.h"
#include "engine/timers.h"
#include "log/game_log.h"
#include "setup/options.h"
#include "track/track_model.h"
#include "view/view_state.h"

namespace tarmaq {

class Frontend;
class RandomSource;
class SettingsStore;
class Folders;

inline constexpr int MaxCars = 20;

enum CarStatus : int {
  Running = 0,
  SpunOut = 1,
  EnteringPits = 10,
  InThePits = 11,
  ExitingPits = 12,
  Finished = 20,
  RetiredTires = 21,
  RetiredCrash = 22,
  RetiredEngine = 23,
  RetiredBlocking = 24,
  Stalled = -1,
  FlyingStart = -2,
  MaxSpeed = -3,
  Bogged = -4,
};

// Truth values as the state and the game file store them.
inline constexpr int True = -1;
inline constexpr int False = 0;

// The per-car record, its 36 fields in the game file's order.
struct Car {
  std::string teamName;
  std::string teamPicture;
  std::string driverName;
  std::string driverPicture;
  std::string eMail;
  std::array<std::uint32_t, 2> color{};  // body, wing
  int pitSpace = 0;
  int lap = 0;
  float pos = 0;
  int segment = 0;
  int stops = 0;
  int clsnFlag = False;
  int engnFlag = False;
  int tireType = 1;
  int tires = 0;
  int brakes = 0;
  int fuel = 0;
  int body = 0;
  int engine = 0;
  int roadHold = 0;
  int repair = 0;
  int gear = 0;
  int location = 0;
  int status = Running;
  int startGrid = 0;
  float speed = 0;
  std::vector<int> lapLength;     // index 1..Laps; entry 0 unused
  std::vector<float> totalSpeed;  // index 1..Laps
  std::vector<float> avgSpeed;    // index 1..Laps
  float displaySpeed = 0;
  float spacesPerRound = 0;
  int lastRoundPos = 0;
  int possCollCaused = 0;
  int possCollVictim = 0;
  int roundsLed = 0;

  bool inRace() const { return status < Finished; }
  bool operator==(const Car&) const = default;
};

struct Snapshot {
  int move = 0;
  std::array<int, 6> laneUsed{};
  int segment = 0;
  int stops = 0;
  int lap = 0;
  int clsn = 0;
  int tires = 0;
  int brakes = 0;
  int fuel = 0;
  int engine = 0;
  int gear = 0;
  int slipstream = False;
  bool operator==(const Snapshot&) const = default;
};

struct Hazard {
  int location = NoSpace;
  int kind = 0;
  int car = 0;
  bool operator==(const Hazard&) const = default;
};

// What runs after a stored step: the automatic save and mail. The game-file and mail
// layers fill these in; an empty hook does nothing.
class FollowUps {
 public:
  virtual ~FollowUps() = default;
  virtual void autoSave(struct Game& game) = 0;
  virtual void autoMail(struct Game& game) = 0;
};

struct Services {
  Frontend* frontend = nullptr;
  RandomSource* random = nullptr;
  SettingsStore* settings = nullptr;
  const Folders* folders = nullptr;
  FollowUps* followUps = nullptr;
};

struct Game {
  // Race-wide state, in the game file's order.
  int gameType = 0;      // 0 Local, 1 E-Mail
  double startDate = 0;  // days since 30 December 1899; 0 before any game
  std::string classFile;
  int laps = 1;
  std::string trackFile;
  std::string trackVersion;
  Rules rules;
  std::vector<Car> cars;
  std::vector<int> positions;
  int currPos = 0;
  int currCar = 0;
  std::array<int, MaxCars> results{};
  int trapCar = 0;
  float trapSpeed = 0;
  int leadChange = 0;
  std::vector<int> moves{0};
  Snapshot snapshot;
  std::vector<std::vector<std::string>> gameLogArray{{std::string()}};

  // Not stored in the game file.
  int currRound = 0;
  int currStep = -1;
  std::vector<Hazard> hazards;
  std::array<std::uint32_t, 10> pitColors{};
  float speedFactor = 1.0f;
  std::vector<std::string> teamPictures;
  std::vector<std::string> driverPictures;
  std::string gameFileName;  // the game-file dialog's current file name
  // Values the next rolls resolve to, whatever the animation shows (scripted play).
  std::deque<int> forcedRolls;

  RaceClass raceClass;
  Track track;
  ViewState view;
  GameLog log;
  Controls controls;
  Options options;
  Timers timers;
  Services services;

  Game();

  // Checked access: nullptr for a car number that does not exist.
  Car* car(int c) {
    return c >= 0 && c < static_cast<int>(cars.size()) ? &cars[static_cast<std::size_t>(c)]
                                                       : nullptr;
  }
  const Car* car(int c) const {
    return c >= 0 && c < static_cast<int>(cars.size()) ? &cars[static_cast<std::size_t>(c)]
                                                       : nullptr;
  }
  int carCount() const { return static_cast<int>(cars.size()); }
  // The car at an index of the running order, or -1.
  int carAtPosition(int index) const {
    return index >= 0 && index < static_cast<int>(positions.size())
               ? positions[static_cast<std::size_t>(index)]
               : -1;
  }
  // The mover: the car whose turn it is (CurrCar may be another car rolling for damage).
  int mover() const { return carAtPosition(currPos); }

  // The current step entry, or nullptr when the round has none yet.
  const std::string* currentStep() const;
};

// A car's starting wear points: the class's values for the race length.
void applyClassWear(Car& car, const WearPoints& wear);

// Resets the game before a new game is built or a game file is read.
void initializeVariables(Game& game);

// Copies the active car into the snapshot; Move and Clsn are left as they are.
void takeSnapshot(Game& game);

// Places a car that leaves the race: finishers fill Results from the front (Pos 999 - i),
// retirements from the back (Pos -i); both leave the track (-999). Returns the slot.
void writeLeavingValues(Game& game, int car, int slot, bool finished);

}  // namespace tarmaq
