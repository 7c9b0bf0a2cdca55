// Setting up a match: the reset before the first kick-off, the choice of the opponent, the
// kits and the opponent's strength code, and the kick-off set-up repeated at the start of
// every period and after every goal.
#pragma once

void InitMatch();
void SelectOpponent();
// The 1-based opponent of the user's nation in the current round of the campaign, 0 if none.
int FindCampaignOpponent();
void SetUpKickOff();
// Fills abilityB[1..10] for a strength code (codes above 5 install the values of 5).
void InstallOpponentSpeeds(int levelCode);
// The kit colour class 1-7 of a kit code (1 for any code outside 1-27).
int KitColourClass(int kitCode);
// 2 for nation index 14, 1 for indices 23 to 27, 0 otherwise.
int DarkOverlayMode(int nationIndex);
