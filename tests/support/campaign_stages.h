// Campaigns built with the competition's own functions and stopped at a chosen stage, and the
// one step that plays such a campaign on, shared by the saved-campaign tests and the helper
// program that saves or loads in a process of its own.
#pragma once

#include <cstdint>

enum class CampaignStage {
  kQualifying,      // the regional qualifying, two rounds played
  kGroupLeague,     // the World Cup group league, one round played
  kFirstRound,      // the knockout's first round about to be played
  kSemiFinal,       // the semi-final about to be played
  kFinal,           // the final about to be played
  kPendingPlayoff,  // the group league over, the user level at the ticket boundary
  kShootOut,        // a semi-final being decided on penalties, seven kicks taken
};
inline constexpr int kCampaignStageCount = 7;

const char* CampaignStageName(CampaignStage stage);

// Resets every record the saved campaign holds (and the match records), then builds a campaign
// for the user's nation 8 (Europe) up to `stage`, with the random source seeded by `seed`.
void BuildCampaignAt(CampaignStage stage, std::uint32_t seed);

// Plays the user's next match with a 2-1 win (a shoot-out in progress counts its goals) and
// computes everything the competition computes after it, as the game flow does. Returns the
// nation number of the opponent met.
int ContinueCampaign();
