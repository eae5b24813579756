#include "support/harness.h"

#include <utility>

#include "bet/bet.h"
#include "machine/machine.h"
#include "menu/menu_entries.h"
#include "sound/sound_names.h"

namespace kararion::testing {

Machine::Machine(std::string programDir) : game(fx, clock, std::move(programDir)) { machine::StartProgram(game); }

void Machine::ShowSymbols(const Rows& rows) {
    for (int row = 1; row <= 3; ++row)
        for (int reel = 1; reel <= 3; ++reel) game.reels.Cell(reel, row) = PictureOf(rows.at(row - 1).at(reel - 1));
}

void Machine::BetAndStart(int coins) {
    for (int i = 0; i < coins; ++i) game.betting.ClickBetUp();
    game.menu.ClickStart();
}

void Machine::StopAllReels() {
    for (int reel = 1; reel <= 3; ++reel) machine::ClickStop(game, reel);
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

std::string SoundNameOfPath(const std::string& path) {
    for (const sound::SoundFileName& s : sound::kSounds) {
        const std::string suffix = std::string("/data/se/") + s.file;
        if (path.size() >= suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0)
            return s.name;
    }
    return {};
}

Six SavedCounters(const Game& g) {
    const Counters& f = g.counters;
    return {f.Coin, f.Run, f.Lost, f.Win, f.UsedCoin, f.WinCoin};
}

void SetSavedCounters(Game& g, const Six& v) {
    Counters& f = g.counters;
    f.Coin = v[0], f.Run = v[1], f.Lost = v[2], f.Win = v[3], f.UsedCoin = v[4], f.WinCoin = v[5];
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
