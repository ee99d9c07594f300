// Planning a move space by space: the lane buttons, the rules applied after each step
// (lanes used, pit entry, the own garage, the finish line, overshooting a corner,
// taking on a corner, the slipstream), Step Back and Reset Move.
#pragma once

namespace tarmaq {

struct Game;

// The lane buttons: 0 one lane to the left, 1 straight forward, 2 one lane to the
// right. Ignored unless a move is being planned and that button is enabled.
void moveButtonClick(Game& game, int index);

// Appends one space to the move and applies the stepping rules. A target that is not a
// space of the track is ignored.
void stepTo(Game& game, int target);

// The player confirmed a step that wrecks the tires: the car retires and the move is
// accepted as it stands.
void eliminateOnTires(Game& game);

// Takes back the last planned space; the start of the move is never taken back.
void undoStep(Game& game);
// "Step Back": only while the button is enabled.
void stepBackCommand(Game& game);

// Back to the start of the move with the whole roll to go.
void resetMove(Game& game);
// "Reset Move": only while the button is enabled.
void resetMoveCommand(Game& game);

}  // namespace tarmaq
