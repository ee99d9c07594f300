// Executing an accepted move: speed, corners and stops, the pit lane, laps and their
// statistics, overtakes, the "MOVE" step that places the car, the own garage, collision
// risks, the wear points spent while planning and engine danger; then the turn goes on.
#pragma once

namespace tarmaq {

struct Game;

// Executes the active car's planned move as it stands. Each part guards its own
// look-ups, so a failing one skips only itself.
void acceptMove(Game& game);

// "Accept Move": only while a move is being planned and the button is enabled.
void acceptMoveCommand(Game& game);

}  // namespace tarmaq
