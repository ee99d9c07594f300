// Collision risks after a move: every car on a space next to the mover's final space
// must roll for a possible collision.
#pragma once

namespace tarmaq {

struct Game;

// Flags every car beside, ahead of (and, with front collisions, behind) the space, each
// once per space it stands on, and counts them in Snapshot.Clsn. Returns -1 when any
// car was flagged, else 0.
int checkCollisions(Game& game, int location);

}  // namespace tarmaq
