#pragma once
// The whole machine, assembled from its modules on their common ground, with
// the one game phase that only the machine moves. Each module owns its state;
// everyone else reads it through the const views below and changes it only
// through the machine's commands.
#include <array>
#include <cstdint>
#include <string>

#include "bet/bet.h"
#include "core/ground.h"
#include "core/timer.h"
#include "judge/judge.h"
#include "lamps/bet_lamps.h"
#include "lamps/reel_lamps.h"
#include "machine/orders.h"
#include "menu/menu_entries.h"
#include "reels/reels.h"
#include "save/dialog_rules.h"
#include "save/save_file.h"

namespace kararion::machine {

class Game : public Ground {
public:
    // `host` learns of every timer switched on or off; `programDir` is the folder
    // of the running program, where the sounds live.
    Game(Effects& effects, TimerHost& host, std::string programDirectory = ".");
    // Switches every timer off, so that the host forgets them.
    ~Game();

    const lamps::BetLamps& betLamps() const { return betLamps_; }
    const lamps::ReelLamps& reelLamps() const { return reelLamps_; }
    const bet::Betting& betting() const { return betting_; }
    const judge::Judge& judge() const { return judge_; }
    const reels::Reels& reels() const { return reels_; }
    const menu::Menu& menu() const { return menu_; }
    const save::SaveFiles& saveFiles() const { return saveFiles_; }
    const save::SaveDialog& saveDialog() const { return saveDialog_; }
    const save::LoadDialog& loadDialog() const { return loadDialog_; }
    const save::FileDialogRules& fileDialog(FileDialogKind kind) const;
    std::int32_t ClickStep() const { return clickStep_; }  // place in the click cycle, 1..7 after the first click

    // The program's start: every timer's tick sent to its rule, the start
    // values written. Once per game, before anything else.
    void StartProgram();
    // At once, without saving, in every phase: every timer stops, so no rule runs again.
    void EndProgram();

    // What the player can do. Each command asks the game phase (through the
    // module that carries it out) and refuses what the phase does not allow.
    void ClickBackground();  // the seven-step cycle: three bets, a start, three stops
    void ClickStop(int reel);
    void ClickBetUp() { betting_.ClickBetUp(); }
    void ClickBetDown() { betting_.ClickBetDown(); }
    void HoverBetUp() { betting_.HoverBetUp(); }
    void HoverBetDown() { betting_.HoverBetDown(); }
    void HoverBetBackground() { betting_.HoverBackground(); }
    void ClickStart() { menu_.ClickStart(); }
    void HoverMenu(menu::Entry entry) { menu_.Hover(entry); }
    void HoverMenuBackground() { menu_.HoverBackground(); }
    void OpenDialog(FileDialogKind kind) { Dialog(kind).Open(); }
    void TypeName(FileDialogKind kind, const std::string& name) { Dialog(kind).TypeName(name); }
    void PickFile(FileDialogKind kind, const std::string& file) { Dialog(kind).PickFile(file); }
    void ClickDialogAction(FileDialogKind kind);  // セーブ or ロード
    void HoverDialogAction(FileDialogKind kind) { Dialog(kind).HoverAction(); }
    void HoverCancel(FileDialogKind kind) { Dialog(kind).HoverCancel(); }
    void HoverDialogBackground(FileDialogKind kind) { Dialog(kind).HoverBackground(); }
    // Where the saves go: a folder path with its final "/".
    void SetSaveFolder(std::string folder) { saveFiles_.SetDataDir(std::move(folder)); }
    // はじめから: the start values again, once no coin is left in hand or on the stake.
    void StartAfresh();

    // The same commands as values, as the windows send them.
    void Perform(const Order& order);

private:
    friend class GameSetup;

    save::FileDialogRules& Dialog(FileDialogKind kind);
    void ConnectTimers();
    void FollowPhase();
    // The one place the phase moves, announced as it moves.
    void SetPhase(Phase phase);
    void StartReplay();
    std::array<GameTimer*, 7> Timers();

    lamps::BetLamps betLamps_{*this};
    lamps::ReelLamps reelLamps_{*this};
    bet::Betting betting_{*this, betLamps_};
    judge::Judge judge_{*this, betLamps_, betting_};
    reels::Reels reels_{*this, reelLamps_, judge_};
    menu::Menu menu_{gamePhase(), reels_};
    save::SaveFiles saveFiles_{*this};
    save::SaveDialog saveDialog_{*this, saveFiles_};
    save::LoadDialog loadDialog_{*this, saveFiles_};
    std::int32_t clickStep_ = 0;
    std::array<Connection, 4> phaseFollowers_;
};

}  // namespace kararion::machine

namespace kararion {
// The game everyone above the rules deals with.
using machine::Game;
}  // namespace kararion
