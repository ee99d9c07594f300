// Rounds of the game log: collapsing the rounds before the current one, and marking a
// round's header as one that can be collapsed.
#pragma once

namespace tarmaq {

struct Game;

inline constexpr int CollapsedIcon = 42;
inline constexpr int ExpandedIcon = 43;

// Hides every row before the current round's header and marks each earlier round's
// header collapsed. In round 0 (no such header) the walk runs to the last row.
void collapsePreviousRounds(Game& game);

// Re-applies the category filters and pictures to every row, and collapses the rounds
// before the current one when the option asks for it (from round 1 on). Rows below a
// header saved collapsed stay as they are until that round is toggled.
void refreshGameLogGrid(Game& game);

// Shows every row again (filters are applied again by the next refresh).
void expandAllRounds(Game& game);

// A click on a row: a round header other than the current round's collapses or
// expands its round. Returns whether anything changed.
bool toggleRound(Game& game, int row);

// Shows only the round headers and the turns of the driver on the driver card.
void showLogForSelectedPlayer(Game& game);

// Gives the header row of round r the expanded mark (it can be collapsed by a click).
void markRoundCollapsible(Game& game, int round);

}  // namespace tarmaq
