// The campaign driver: the game's window, the answers to its dialogs, the self-playing user in
// every match and the checks of the competition's records after every round.
#include "support/campaign_driver.h"

#include <algorithm>
#include <array>
#include <set>

#include "archive/graphics_archive.h"
#include "base/game_flow_state.h"
#include "base/record_resets.h"
#include "competition/fixtures.h"
#include "competition/nations.h"
#include "competition/standings.h"
#include "match/caption_state.h"
#include "match/control_state.h"
#include "match/match_state.h"
#include "match/match_tick.h"
#include "match/match_view.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "presentation/bitmap_store.h"
#include "presentation/ceremony_drawing.h"
#include "resources/feldo_dialogs.h"
#include "resources/feldo_resources.h"
#include "shell/command_log.h"
#include "shell/dialog_procs.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"
#include "support/self_play.h"

namespace campaign {

namespace hl = platform::headless;

namespace {

constexpr int kCelebrationMs = 600;  // how long the cup celebration is watched
constexpr int kIdleBudget = 2000000;

}  // namespace

namespace {

// One nation's record in the league being played, as the round tables showed it.
struct Tally {
  int played = 0, won = 0, drawn = 0, lost = 0, goalsFor = 0, goalsAgainst = 0;
};

class Driver {
 public:
  explicit Driver(const Settings& settings) : settings_(settings) {}

  Report Run() {
    ResetAllRecords();
    // The window seeds the game's random source when it is created: with this seed.
    platform::ProgramOptions options;
    options.seed = settings_.seed;
    platform::Instance* instance = hl::StartForTests(FeldoResources(), options);
    hl::SetIdleHandler([this](std::optional<std::uint64_t>) { Idle(); });
    window_ = CreateFeldoWindow(instance);
    if (window_ == nullptr) {
      Fault("the game window was not created");
    } else {
      if (!settings_.drawMatches) SetMatchView(nullptr);
      platform::ShowWindow(window_, 1);
      self_play::WindowUser user(settings_.seed);
      user_ = &user;
      platform::UpdateWindow(window_);  // the start-up menu, and everything up to a match
      PlayMatches(user);
      // The next campaign: after its end the game waits in the idle window; the GAME menu
      // brings back the start-up menu, whose new game button the driver presses.
      while (campaignsStarted_ < settings_.campaigns && gameFlow.phase == Phase::kNone &&
             !overBudget_ && hl::ChooseMenuItem(CommandId::kBackToFirstMenu)) {
        hl::Advance(10);
        PlayMatches(user);
      }
      // Time after the end: nothing may move the team photo on any more.
      const int step = victoryCelebration.photoStep;
      hl::Advance(kCelebrationMs);
      report_.photoFramesAfter = victoryCelebration.photoStep - step;
    }
    report_.userMatches = commandLog.received[CommandId::kStartMatch];
    report_.ended = report_.reached != Reached::kNotStarted && gameFlow.phase == Phase::kNone &&
                    !MatchRunning() && !overBudget_;
    hl::Shutdown();
    ResetAllRecords();
    return report_;
  }

 private:
  static bool MatchRunning() {
    return match.half != 0 || match.periodKind == PeriodKind::kShootOut;
  }

  void Fault(const std::string& what) {
    if (report_.faults.size() < 20) {
      report_.faults.push_back(platform::Format("phase %d round %d: %s", int(gameFlow.phase),
                                                int(gameFlow.roundIndex), what.c_str()));
    }
  }

  // ------------------------------------------------------------------ the matches

  void PlayMatches(self_play::WindowUser& user) {
    while (MatchRunning() && !overBudget_) {
      const bool nearEnd =
          (settings_.userWins || (settings_.forceLevel && ForcedMatch())) && NearTheEnd();
      if (nearEnd) {
        hl::Advance(kMatchTimerPeriodMs);
      } else {
        user.Act();
      }
      AfterTime();
    }
  }

  // The last seconds of a second half, of normal time or of extra time.
  static bool NearTheEnd() {
    return match.half == 2 && match.periodKind < PeriodKind::kShootOut && match.clockMinutes == 0 &&
           match.clockSeconds <= 2;
  }

  bool ForcedMatch() const {
    return gameFlow.mode == Mode::kCampaign &&
           (gameFlow.phase == Phase::kKnockout || gameFlow.playoffOpponent);
  }

  // What the driver does to a running match between the user's actions.
  void AfterTime() {
    if (!MatchRunning()) return;
    if (match.periodKind == PeriodKind::kRegular) inExtraTime_ = inShootOut_ = false;
    if (match.periodKind == PeriodKind::kExtraTime && !inExtraTime_) {
      inExtraTime_ = true;
      ++report_.extraTimes;
    }
    if (match.periodKind == PeriodKind::kShootOut && !inShootOut_) {
      inShootOut_ = true;
      ++report_.shootOuts;
    }
    if (settings_.secondsPerPeriod < 180 && match.half != 0) {
      const int left = match.clockMinutes * 60 + match.clockSeconds;
      if (left > settings_.secondsPerPeriod) {
        match.clockMinutes = settings_.secondsPerPeriod / 60;
        match.clockSeconds = settings_.secondsPerPeriod % 60;
      }
    }
    if (!NearTheEnd() || gameFlow.mode != Mode::kCampaign) return;
    if (settings_.forceLevel && ForcedMatch()) {
      match.scoreA = match.scoreB = std::min(match.scoreA, match.scoreB);
    } else if (settings_.userWins && match.scoreA <= match.scoreB) {
      match.scoreA = match.scoreB + 1;
    }
  }

  // ------------------------------------------------------------------ the dialogs

  void Idle() {
    if (++idleCalls_ > kIdleBudget) {
      if (!overBudget_) Fault("the flow does not come to an end");
      overBudget_ = true;
    }
    platform::Window* top = platform::TopDialog();
    if (top == nullptr) {
      hl::Advance(10);
      return;
    }
    if (top == lastTop_) {
      if (platform::DialogTemplateName(top) == "MessKanki2" && report_.photoFramesOpen < 0) {
        report_.photoFramesOpen = victoryCelebration.photoStep - photoStepAtOpen_;
      }
      // Still on top after its answer: OK it (Esc when it has no OK).
      if (!hl::PressControl(DialogItem::kOk)) {
        hl::KeyDown(platform::KeyEscape);
        hl::KeyUp(platform::KeyEscape);
      }
      return;
    }
    lastTop_ = top;
    const std::string name(platform::DialogTemplateName(top));
    Seen seen{name, name == "messagebox" ? platform::GetWindowTitle(top) : std::string(),
              gameFlow.messageKind, gameFlow.displayContent, gameFlow.phase};
    report_.seen.push_back(seen);
    if (settings_.onDialog) settings_.onDialog(name);
    Answer(top, seen);
  }

  void Answer(platform::Window* top, const Seen& seen) {
    const std::string& name = seen.name;
    if (overBudget_) {
      hl::PressControl(name == "messagebox" ? platform::kIdCancel : DialogItem::kOk);
      return;
    }
    if (name == "SinkiBox") {
      if (!levelChosen_) {
        levelChosen_ = true;
        hl::PressControl(DialogItem::kChangeLevel);
      } else if (!started_) {
        started_ = true;
        campaignsStarted_ = 1;
        hl::PressControl(settings_.load ? DialogItem::kLoadGame : DialogItem::kNewGame);
        if (settings_.load) report_.reached = Reached::kQualifying;
      } else if (campaignsStarted_ < settings_.campaigns && gameFlow.phase == Phase::kNone) {
        ++campaignsStarted_;
        report_.champion = 0;  // each campaign crowns its own
        hl::PressControl(DialogItem::kNewGame);
      } else {
        hl::PressControl(platform::kIdCancel);
      }
      return;
    }
    if (name == "SetLevelDlg") {
      platform::SendMessage(top, platform::Msg::Command, DialogItem::kLevelFirst + settings_.level,
                            0);
      hl::PressControl(DialogItem::kOk);
      return;
    }
    const int region = RegionOf(settings_.userNation);
    if (name == "SelChikuDlg") {
      if (gameFlow.userNation == settings_.userNation && gameFlow.region == region) {
        hl::PressControl(DialogItem::kOk);
      } else {
        hl::PressControl(DialogItem::kRegionFirst + region);
      }
      return;
    }
    if (name == "SelTeamDlg") {
      hl::SelectListLine(DialogItem::kNationList, settings_.userNation - RegionFirstNation(region));
      hl::PressControl(DialogItem::kOk);
      return;
    }
    if (name == "SinkiBox3" && settings_.friendlies > 0) {
      OnPhaseMenu();
      hl::PressControl(friendliesStarted_ < settings_.friendlies ? DialogItem::kFriendly
                                                                 : DialogItem::kExit);
      return;
    }
    if (name == "SelTestMatchDlg") {
      const int cycle = std::max(settings_.friendlyCycle, 1);
      hl::SelectListLine(DialogItem::kNationList, friendliesStarted_++ % cycle);
      hl::PressControl(DialogItem::kOk);
      return;
    }
    if (name == "SinkiBox3" || name == "SinkiBox4" || name == "SinkiBox5") {
      OnPhaseMenu();
      hl::PressControl(DialogItem::kPlayRound);
      return;
    }
    if (name == "MessKanki2") {
      // The celebration: the tick runs while it is open; it is OKed on the next idle moment.
      OnChampion(gameFlow.userNation + 1);
      photoStepAtOpen_ = victoryCelebration.photoStep;
      hl::Advance(kCelebrationMs);
      return;
    }
    if ((name == "MessBox2" || name == "MessBox3") &&
        seen.messageKind == MessageKind::kMatchResult) {
      report_.scores.push_back({lastMatchResult.userGoals, lastMatchResult.opponentGoals});
      report_.keyEvents = user_->KeyEvents();
      if (settings_.afterMatch) settings_.afterMatch(int(report_.scores.size()));
    }
    if (name == "PlayoffMsg1" || name == "PlayoffMsg2") ++report_.playoffs;
    if (name == "MessBox2" && seen.messageKind == MessageKind::kRunnerUp)
      OnChampion(KnockoutOpponent(UserNumber(), 2));
    if ((name == "DispRoundEndDlg1" || name == "DispRoundEndDlg2") &&
        seen.displayContent == DisplayContent::kRoundResults) {
      if (gameFlow.phase == Phase::kKnockout) {
        CheckKnockoutRound();
      } else {
        CheckUserLeagueRound();
      }
    }
    if (name == "DispTaisenDlg1" && gameFlow.phase != Phase::kNone &&
        (seen.displayContent == DisplayContent::kStandings ||
         seen.displayContent == DisplayContent::kGroupStandings)) {
      CheckComputedLeague();
    }
    hl::PressControl(name == "messagebox" ? platform::kIdOk : DialogItem::kOk);
  }

  static int UserNumber() { return gameFlow.userNation + 1; }

  static int RegionOf(int nation) {
    for (int r = 0; r < kRegionCount; ++r) {
      if (nation >= RegionFirstNation(r) && nation < RegionFirstNation(r) + RegionNationCount(r)) {
        return r;
      }
    }
    return 0;
  }

  // A phase menu: the user is about to play in the phase it stands for.
  void OnPhaseMenu() {
    if (++phaseMenus_ > settings_.matchBudget) {
      Fault("more user matches than the budget");
      overBudget_ = true;
    }
    Reached now = Reached::kQualifying;
    if (gameFlow.phase == Phase::kGroupLeague) now = Reached::kGroupLeague;
    if (gameFlow.phase == Phase::kKnockout) {
      now = gameFlow.roundIndex == 0   ? Reached::kFirstRound
            : gameFlow.roundIndex == 1 ? Reached::kSemiFinal
                                       : Reached::kFinal;
    }
    report_.reached = std::max(report_.reached, now);
    if (gameFlow.phase == Phase::kKnockout && gameFlow.roundIndex == 0) CheckBracket();
  }

  void OnChampion(int nation) {
    if (report_.champion != 0) Fault("a second champion");
    report_.champion = nation;
    const int a = knockoutTable.finalists[0];
    const int b = knockoutTable.finalists[1];
    if (nation == 0 || (nation != a && nation != b)) {
      Fault(platform::Format("champion %d is not a finalist (%d, %d)", nation, a, b));
    }
    if (nation == UserNumber()) report_.reached = Reached::kChampion;
  }

  // ------------------------------------------------------------------ the checks

  // The user's league round just shown: its results against the tally of every round so far,
  // the records and the standings.
  void CheckUserLeagueRound() {
    const int round = gameFlow.lastRound;
    if (round != 0 && leaguePhase_ == Phase::kNone)
      return;  // a league loaded part-way: not tallied
    ++report_.leagueRoundsChecked;
    if (round == 0 || leaguePhase_ != gameFlow.phase) {
      tally_ = {};
      leaguePhase_ = gameFlow.phase;
      nextRound_ = 0;
    }
    if (round != nextRound_) {
      Fault(platform::Format("round %d shown, round %d expected", round, nextRound_));
    }
    nextRound_ = round + 1;
    CheckRoundComplete(round);
    for (int i = 0; i < resultTable.count; ++i) {
      const int home = resultTable.home[std::size_t(i)];
      const int away = resultTable.away[std::size_t(i)];
      if (home < 1 || home > kNationCount || away < 1 || away > kNationCount) continue;
      Count(home, resultTable.homeGoals[std::size_t(i)], resultTable.awayGoals[std::size_t(i)]);
      Count(away, resultTable.awayGoals[std::size_t(i)], resultTable.homeGoals[std::size_t(i)]);
    }
    for (int slot = 0; slot < leagueState.teamCount; ++slot) {
      const int nation = leagueState.slots[std::size_t(slot)];
      if (nation == 0) continue;
      CheckRecord(nation, tally_[std::size_t(nation - 1)]);
      CheckStandingsEntry(slot, tally_[std::size_t(nation - 1)]);
    }
  }

  void Count(int nation, int scored, int conceded) {
    Tally& t = tally_[std::size_t(nation - 1)];
    ++t.played;
    t.goalsFor += scored;
    t.goalsAgainst += conceded;
    if (scored > conceded) ++t.won;
    if (scored == conceded) ++t.drawn;
    if (scored < conceded) ++t.lost;
  }

  // Every pairing of the round played once, nothing else, the user's match first.
  void CheckRoundComplete(int round) {
    std::set<std::pair<int, int>> expected;
    for (int slot = 0; slot < leagueState.teamCount; ++slot) {
      const int other = PairedSlot(slot, round);
      const int a = leagueState.slots[std::size_t(slot)];
      const int b = other != 0 ? leagueState.slots[std::size_t(other - 1)] : 0;
      if (a != 0 && b != 0) expected.insert({std::min(a, b), std::max(a, b)});
    }
    std::set<std::pair<int, int>> played;
    for (int i = 0; i < resultTable.count; ++i) {
      const int a = resultTable.home[std::size_t(i)];
      const int b = resultTable.away[std::size_t(i)];
      if (!played.insert({std::min(a, b), std::max(a, b)}).second) {
        Fault(platform::Format("%d v %d twice in the round", a, b));
      }
    }
    if (played != expected) {
      Fault(platform::Format("round %d: %d results for %d pairings", round, int(played.size()),
                             int(expected.size())));
    }
    const int opponent = LeagueOpponent(UserNumber(), round);
    if (opponent != 0 && (resultTable.count == 0 || resultTable.home[0] != UserNumber() ||
                          resultTable.away[0] != opponent)) {
      Fault("the user's match is not the round's first result");
    }
  }

  // A nation's record in TeamTable against what the rounds showed.
  void CheckRecord(int nation, const Tally& t) {
    const TeamRecord& r = TeamTable[std::size_t(nation - 1)];
    int played = 0, won = 0, drawn = 0, lost = 0;
    for (std::uint8_t result : r.results) {
      played += result != 0;
      won += result == 1;
      lost += result == 2;
      drawn += result == 3;
    }
    if (played != t.played || won != t.won || drawn != t.drawn || lost != t.lost ||
        r.goalsFor != std::uint8_t(t.goalsFor) || r.goalsAgainst != std::uint8_t(t.goalsAgainst)) {
      Fault(platform::Format(
          "nation %d: record %d played %d-%d-%d goals %d:%d, the rounds %d played %d-%d-%d "
          "goals %d:%d",
          nation, played, won, drawn, lost, r.goalsFor, r.goalsAgainst, t.played, t.won, t.drawn,
          t.lost, t.goalsFor, t.goalsAgainst));
    }
  }

  void CheckStandingsEntry(int slot, const Tally& t) {
    const StandingsEntry& e = Standings[std::size_t(slot)];
    const int nation = leagueState.slots[std::size_t(slot)];
    if (e.nation != nation || e.points != 3 * t.won + t.drawn || e.goalsFor != t.goalsFor ||
        e.goalDifference != t.goalsFor - t.goalsAgainst || e.rank == 0) {
      Fault(
          platform::Format("standings of nation %d: %d points %d goals %+d rank %d, expected "
                           "%d points %d goals %+d",
                           nation, e.points, e.goalsFor, e.goalDifference, e.rank,
                           3 * t.won + t.drawn, t.goalsFor, t.goalsFor - t.goalsAgainst));
    }
  }

  // A league computed without the user, shown whole: every pairing has a result, the two
  // sides' records agree, and the standings follow from the records.
  void CheckComputedLeague() {
    ++report_.computedLeaguesChecked;
    const int n = leagueState.teamCount;
    for (int i = 0; i < n; ++i) {
      const int a = leagueState.slots[std::size_t(i)];
      if (a == 0) continue;
      Tally t;
      for (int j = 0; j < n; ++j) {
        const int b = leagueState.slots[std::size_t(j)];
        if (b == 0 || b == a) continue;
        const int ab = TeamTable[std::size_t(a - 1)].results[std::size_t(b - 1)];
        const int ba = TeamTable[std::size_t(b - 1)].results[std::size_t(a - 1)];
        const bool agree = (ab == 1 && ba == 2) || (ab == 2 && ba == 1) || (ab == 3 && ba == 3);
        if (!agree) Fault(platform::Format("%d v %d recorded %d and %d", a, b, ab, ba));
        ++t.played;
        t.won += ab == 1;
        t.lost += ab == 2;
        t.drawn += ab == 3;
      }
      const StandingsEntry& e = Standings[std::size_t(i)];
      const TeamRecord& r = TeamTable[std::size_t(a - 1)];
      if (e.nation != a || e.points != 3 * t.won + t.drawn ||
          e.goalDifference != int(r.goalsFor) - int(r.goalsAgainst) || e.rank == 0) {
        Fault(platform::Format("computed standings of nation %d: %d points %+d, records %d-%d-%d",
                               a, e.points, e.goalDifference, t.won, t.drawn, t.lost));
      }
    }
  }

  // The bracket before the first round: eight different nations, the user among them.
  void CheckBracket() {
    std::set<int> nations(knockoutTable.bracket.begin(), knockoutTable.bracket.end());
    if (nations.size() != 8 || nations.count(0) != 0 || nations.count(UserNumber()) != 1) {
      Fault("the bracket does not hold eight nations with the user");
    }
  }

  // A knockout round just computed: each winner comes from its tie, the user among them.
  void CheckKnockoutRound() {
    ++report_.knockoutRoundsChecked;
    const int round = gameFlow.roundIndex;
    const auto tie = [&](int i, int side) -> int {
      if (round == 0) return knockoutTable.bracket[std::size_t(kFirstRoundTies[i][side])];
      return knockoutTable.semiFinalists[std::size_t(2 * i + side)];
    };
    const int ties = round == 0 ? 4 : 2;
    bool userWon = false;
    for (int i = 0; i < ties; ++i) {
      const int winner = round == 0 ? knockoutTable.semiFinalists[std::size_t(i)]
                                    : knockoutTable.finalists[std::size_t(i)];
      if (winner == 0 || (winner != tie(i, 0) && winner != tie(i, 1))) {
        Fault(platform::Format("knockout round %d tie %d: winner %d of %d v %d", round, i, winner,
                               tie(i, 0), tie(i, 1)));
      }
      userWon = userWon || winner == UserNumber();
    }
    if (!userWon) Fault("the user won and is not among the round's winners");
  }

  Settings settings_;
  Report report_;
  platform::Window* window_ = nullptr;
  platform::Window* lastTop_ = nullptr;
  self_play::WindowUser* user_ = nullptr;
  int idleCalls_ = 0;
  int phaseMenus_ = 0;
  int friendliesStarted_ = 0;
  int campaignsStarted_ = 0;
  int photoStepAtOpen_ = 0;
  bool overBudget_ = false;
  bool levelChosen_ = false;
  bool started_ = false;
  bool inExtraTime_ = false;
  bool inShootOut_ = false;
  Phase leaguePhase_ = Phase::kNone;
  int nextRound_ = 0;
  std::array<Tally, kNationCount> tally_{};
};

}  // namespace

const char* ReachedName(Reached reached) {
  constexpr const char* kNames[] = {"not started", "qualifying", "group league", "first round",
                                    "semi-final",  "final",      "champion"};
  return kNames[static_cast<int>(reached)];
}

Report PlayCampaign(const Settings& settings) {
  Driver driver(settings);
  return driver.Run();
}

}  // namespace campaign
