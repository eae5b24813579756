#include "support/harness.h"

#include <utility>

#include "bet/bet.h"
#include "machine/machine.h"
#include "menu/menu_entries.h"
#include "sound/sound_names.h"

namespace kararion::testing {

Machine::Machine(std::string programDir) : game(fx, clock, std::move(programDir)) { game.StartProgram(); }

void Machine::ShowSymbols(const Rows& rows) {
    for (int row = 1; row <= 3; ++row)
        for (int reel = 1; reel <= 3; ++reel) Setup().ShowPicture(reel, row, PictureOf(rows.at(row - 1).at(reel - 1)));
}

void Machine::BetAndStart(int coins) {
    for (int i = 0; i < coins; ++i) game.ClickBetUp();
    game.ClickStart();
}

void Machine::StopAllReels() {
    for (int reel = 1; reel <= 3; ++reel) game.ClickStop(reel);
}

void Machine::Play(int coins, const Rows& rows) {
    BetAndStart(coins);
    ShowSymbols(rows);
    StopAllReels();
}

std::vector<std::string> Machine::Sounds() const {
    std::vector<std::string> names;
    for (const std::string& path : fx.SoundsPlayed()) names.push_back(SoundNameOfPath(path));
    return names;
}

std::vector<const GameTimer*> AllTimers(const Game& g) {
    return {&g.reels().ReelTimer(1),     &g.reels().ReelTimer(2),    &g.reels().ReelTimer(3),
            &g.reelLamps().ChaseTimer(), &g.betLamps().FlashTimer(), &g.judge().CountUpTimer(),
            &g.judge().WinSoundTimer()};
}

void SaveAs(Game& g, const std::string& name) {
    g.TypeName(machine::FileDialogKind::Save, name);
    g.ClickDialogAction(machine::FileDialogKind::Save);
}

void LoadFrom(Game& g, const std::string& name) {
    g.TypeName(machine::FileDialogKind::Load, name);
    g.ClickDialogAction(machine::FileDialogKind::Load);
}

std::string SoundNameOfPath(const std::string& path) {
    for (const sound::SoundFileName& s : sound::kSounds) {
        const std::string suffix = std::string("/data/se/") + s.file;
        if (path.size() >= suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0)
            return s.name;
    }
    return {};
}

Six SavedCounters(const Game& g) {
    const Counters& f = g.counters();
    return {f.Coin(), f.Run(), f.Lost(), f.Win(), f.UsedCoin(), f.WinCoin()};
}

void SetSavedCounters(Game& g, const Six& v) {
    machine::GameSetup(g).SetSaved(
        {.coin = v[0], .run = v[1], .lost = v[2], .win = v[3], .usedCoin = v[4], .winCoin = v[5]});
}

std::string ColourName(Colour colour) {
    static const std::pair<Colour, const char*> kNames[] = {
        {kRed, "red"},         {kBlack, "black"},
        {kBlue, "blue"},       {kDarkNavy, "dark navy"},
        {kCyan, "cyan"},       {kDarkTeal, "dark teal"},
        {kMagenta, "magenta"}, {kLightGrey, "light grey"},
        {kYellow, "yellow"},   {kDefaultText, "the window text colour"},
    };
    for (const auto& [known, name] : kNames)
        if (colour == known) return name;
    return "Rgb(" + std::to_string(RedOf(colour)) + ", " + std::to_string(GreenOf(colour)) + ", " +
           std::to_string(BlueOf(colour)) + ")";
}

}  // namespace kararion::testing

namespace kararion {

void PrintTo(Colour colour, std::ostream* out) { *out << testing::ColourName(colour); }

void PrintTo(Symbol symbol, std::ostream* out) {
    static const char* const kNames[] = {"Bell",       "Seven", "Star",  "Grapes", "Peach",
                                         "Watermelon", "Bar",   "Melon", "Replay", "Orange"};
    const auto index = static_cast<std::size_t>(symbol) - 1;
    if (index < std::size(kNames)) {
        *out << kNames[index];
    } else {
        *out << "symbol " << static_cast<int>(symbol);
    }
}

}  // namespace kararion
