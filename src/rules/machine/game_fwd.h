#pragma once
// The machine's Game by name alone, for headers that only pass it along.
namespace kararion::machine {
class Game;
}  // namespace kararion::machine

namespace kararion {
using machine::Game;
}  // namespace kararion
