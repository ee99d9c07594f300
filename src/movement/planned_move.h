// A move half planned when the game was saved: the file holds the plan (the spaces, the
// roll, the working copy of the car) but not the remaining count, which the steps,
// the brake points, a slipstream, the own garage and the finish line have shaped.
#pragma once

namespace tarmaq {

struct Game;

// The spaces the active car still has to go in its planned move, worked out again from
// the plan: each space counts one down, the own garage and the finish line on the last
// lap end the move, every slipstream taken in this turn (its commentary line is in the
// log) raises a count that reached 0 to the slipstream's spaces, and every brake point
// used in this move counts one down, except the point a slipstream ending in a corner
// costs.
int plannedRemainingCount(const Game& game);

// Whether the plan as it stands has paid the brake point of a slipstream that ended in
// a corner (the move is complete, its last space in a corner).
bool slipstreamCornerBrakePaid(const Game& game);

// Marks on the driver card the tire and brake points the plan has used so far, as
// planning marked them: the highest-numbered pictures of the points the car still has.
void showPlannedWear(Game& game);

}  // namespace tarmaq
