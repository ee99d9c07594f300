// The remaining count of a move: the spaces the active car still has to go. The die
// label shows it and its text is the value ("0" means the move is complete); the move
// panel's Step Back, Reset Move and Accept Move follow it.
#pragma once

#include <optional>
#include <string>

namespace tarmaq {

struct Game;

// The count as a number; a text that is not a number counts as 0.
int remainingCount(const Game& game);

// The die label's text read as a whole number, or nothing.
std::optional<int> parseCount(const std::string& text);

// Writes the count; the enabling rules run when the text changes.
void setRemainingCount(Game& game, int count);
void setDieValueText(Game& game, const std::string& text);

// The enabling rules of the die label: Step Back and Reset Move while fewer spaces
// remain than the roll gave; at "0" the lane buttons go off and Accept Move comes on.
// Also run whenever a move starts, whatever the text was before.
void dieValueChanged(Game& game);

}  // namespace tarmaq
