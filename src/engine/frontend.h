// The core's window onto the player: message boxes, modal prompts, the die animation
// and the named timers. The Qt shell implements it; the tests script it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tarmaq {

enum class MessageIcon { None, Error, Warning, Question, Information };
enum class MessageButtons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Message {
  std::string title;
  std::string text;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
};

// Every timer the rules arm. The shell owns one real timer per name and calls
// fireTimer() (turn_controller.h) when it elapses.
enum class TimerId {
  GridRoll,
  NormalStart,
  FlyingStart,
  BadStart,
  CollisionRoll,
  EngineRoll,
  RoadHoldingRoll,
  PitStopQuick,
  PitStopSlow,
  Refresh,
  CarBlink,
  ScreenFlash,
  MailCheck,
  Count
};

// The podium the results window shows: one to three places.
struct Podium {
  int places = 0;
  std::array<std::string, 3> names{};
  std::array<int, 3> cars{-1, -1, -1};
};

// A player's address from the program's own address book, with the driver it was used for.
struct AddressEntry {
  std::string address;
  std::string driverName;
};

struct DriverCommentPrompt {
  bool showDontAskAgain = true;
};
struct DriverCommentResult {
  std::string text;
  bool dontAskAgain = false;
};

class Frontend {
 public:
  virtual ~Frontend() = default;

  // A modal message box; the shell renders the presentation model before it asks.
  virtual Answer ask(const Message& message) = 0;

  // The driver-comment dialog; an empty text means nothing was entered.
  virtual DriverCommentResult askDriverComment(const DriverCommentPrompt& prompt) = 0;

  // One frame of a die animation: the die kind (0 event die, 1-6 a gear die) and the
  // face shown. The shell may draw and pause; the core does not wait on it.
  virtual void showDieFrame(int kind, int face) = 0;

  // The "Select Local E-Mail Address" dialog: the addresses of the game's cars, in car
  // order; returns the index chosen.
  virtual int selectLocalEMail(const std::vector<std::string>& addresses) = 0;

  // The results window, modal.
  virtual void showResults(const Podium& podium) = 0;

  // A timer was armed (enabled with this interval) or stopped.
  virtual void timerChanged(TimerId id, bool enabled, int intervalMs) = 0;

  // The presentation model changed: draw it when convenient.
  virtual void stateChanged() = 0;

  // The testing dialog ("Testing/Debug Cheat"): shows `current` in its text box and
  // returns the text when "OK" closed it, nothing when "Cancel" did.
  virtual std::optional<std::string> askCheatValue(const std::string& current) {
    (void)current;
    return std::nullopt;
  }

  // The Corner Properties dialog for corner k of the track, modal.
  virtual void showCornerProperties(int corner) { (void)corner; }

  // Mail. The defaults suit a front end that has none of these windows.

  // The save dialog for a game that has no file name yet: the chosen path, or nothing
  // when it was cancelled.
  virtual std::optional<std::string> chooseSaveFile(const std::string& folder) {
    (void)folder;
    return std::nullopt;
  }
  // The mail account's password, asked for once per run; nothing when cancelled.
  virtual std::optional<std::string> askMailPassword(const std::string& account) {
    (void)account;
    return std::nullopt;
  }
  // A mail operation is under way and says what it does now; an empty text says it
  // ended. Called often while the network is busy, so that the shell can show a
  // progress window and keep its own events going; returning false cancels.
  virtual bool mailProgress(const std::string& what) {
    (void)what;
    return true;
  }
  // The address book's picker for a "Select" button: the index chosen, or -1.
  virtual int pickAddress(const std::vector<AddressEntry>& entries) {
    (void)entries;
    return -1;
  }
};

}  // namespace tarmaq
