// The World Cup draw: the qualifiers of the five regions into the four groups A to D.
#pragma once

// Draws GroupTable anew from QualifierTable, pot by pot: the three qualifiers of Asia, then of
// South America, then of Africa, the five of Europe and the two of North/Central America and
// Caribbean, each in its region's qualifying order. The nations of one pot go into different
// groups; an African goes first into a group of fewer than two nations, the first four
// Europeans into groups of fewer than three, and the fifth European into any group that is not
// full, so that one group has two Europeans and every group ends with four nations. A nation
// gets up to 3000 random tries; from the 1501st failure on, a failed try is followed by a
// second draw under a looser rule. A nation whose tries all fail, or an empty qualifier place,
// is not placed.
void DrawGroups();

// Puts a nation number into the first empty place of a group; nothing when the group is full
// or the group index is outside 0 to 3.
void PlaceInGroup(int group, int nationNumber);
