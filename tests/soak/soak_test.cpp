// Every command at random moments, saves and loads and fresh starts among
// them, over a hundred thousand games on the virtual clock: the books never
// break, whatever the order. Long, so it has a label of its own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <random>
#include <string>

#include "support/harness.h"

namespace kararion {
namespace {

using machine::FileDialogKind;
using machine::Order;
using testing::Machine;

TEST(Soak, HundredThousandGamesOfMashedCommandsKeepTheBooks) {
    constexpr Count kGames = 100000;
    std::string folder = (std::filesystem::temp_directory_path() / "kararion-soak-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    Machine m;
    Game& g = m.game;
    m.fx.keepLog = false;
    g.SetSaveFolder(folder + "/");

    // Coins in hand and staked, less what was paid out, move only with what a
    // load or a fresh start brings.
    const auto books = [&] { return g.counters().Coin() + g.counters().UsedCoin() - g.counters().WinCoin(); };
    Count base = books();
    Connection loaded = g.events().countersReplaced.Connect([&](const Restored&) { base = books(); });
    Connection afresh = g.events().startedAfresh.Connect([&](const Restored&) { base = books(); });

    std::mt19937 rng(20261209);
    const auto roll = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    int saves = 0, loads = 0, fresh = 0, atRest = 0;
    // Games played in all: a load or a fresh start puts 回転数 back.
    Count games = 0;
    Connection started = g.events().gameStarted.Connect([&](bool) { ++games; });
    while (games < kGames) {
        const int pick = roll(0, 999);
        if (pick < 400) {
            g.ClickBackground();
        } else if (pick < 600) {
            g.ClickStop(roll(1, 3));
        } else if (pick < 700) {
            g.ClickBetUp();
        } else if (pick < 740) {
            g.ClickBetDown();
        } else if (pick < 900) {
            g.ClickStart();
        } else if (pick < 902) {
            saves += g.menu().Enabled(menu::Entry::Save);
            g.Perform(Order::ForDialog(Order::Kind::TypeName, FileDialogKind::Save, "s" + std::to_string(roll(0, 3))));
            g.Perform(Order::ForDialog(Order::Kind::ClickDialogAction, FileDialogKind::Save));
        } else if (pick < 904) {
            loads += g.menu().Enabled(menu::Entry::Loading);
            g.Perform(Order::ForDialog(Order::Kind::TypeName, FileDialogKind::Load, "s" + std::to_string(roll(0, 3))));
            g.Perform(Order::ForDialog(Order::Kind::ClickDialogAction, FileDialogKind::Load));
        } else if (pick < 950) {
            fresh += g.counters().OutOfCoins() && g.phase() == Phase::BetweenGames;
            g.StartAfresh();
        } else {
            g.Perform({.kind = Order::Kind::HoverMenu, .entry = menu::kEntries[static_cast<std::size_t>(roll(0, 4))]});
        }
        ASSERT_EQ(books(), base) << "game " << games;
        if (g.phase() == Phase::BetweenGames || g.phase() == Phase::Staked) {
            ++atRest;
            ASSERT_EQ(g.counters().Run(), g.counters().Win() + g.counters().Lost()) << "game " << games;
        }
        ASSERT_GE(g.counters().Coin(), 0);
        m.Advance(roll(0, 120));
    }
    EXPECT_EQ(m.fx.messages - saves - loads, 0) << "only the saves' and loads' own outcomes";
    EXPECT_GT(saves, 0);
    EXPECT_GT(loads, 0);
    EXPECT_GT(fresh, 0);
    EXPECT_GT(atRest, 0);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kararion
