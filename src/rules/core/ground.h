#pragma once
// What every module of the rules stands on: the world outside (effects and the
// program's folder), the seven counters, the events the modules announce and
// the game phase. Anyone holding the game may read them; only the modules the
// machine is built from change them.
#include <string>

#include "core/counters.h"
#include "core/effects.h"
#include "core/events.h"
#include "core/phase.h"

namespace kararion {

namespace machine {
class GameSetup;
}

class Ground {
public:
    Ground(Effects& effects, std::string programDirectory) : fx_(effects), programDir_(std::move(programDirectory)) {}
    Ground(const Ground&) = delete;
    Ground& operator=(const Ground&) = delete;

    const Counters& counters() const { return counters_; }
    // Listening is open to all; each event is sent by its owner alone.
    const GameEvents& events() const { return events_; }
    Phase phase() const { return phase_.Now(); }
    const GamePhase& gamePhase() const { return phase_; }
    const std::string& programDir() const {
        return programDir_;
    }  // the running program's folder, where the sounds live

    // The world outside.
    void Beep() { fx_.Beep(); }
    void MessageBox(const std::string& text, const std::string& title) { fx_.MessageBox(text, title); }
    void PlaySoundFile(const std::string& path) {
        fx_.SoundCloseAll();
        fx_.SoundOpen(path);
        fx_.SoundPlay(path);
    }
    // A command that did not run: said as an event; `beep` for a refusal a
    // player must hear (a full stake), not for a greyed control's.
    void Refuse(Command command, Reason reason, bool beep);

private:
    friend class bet::Betting;
    friend class judge::Judge;
    friend class reels::Reels;
    friend class save::SaveFiles;
    friend class machine::Game;
    friend class machine::GameSetup;

    Effects& fx_;
    std::string programDir_;
    Counters counters_;
    GameEvents events_;
    GamePhase phase_;
};

inline void Ground::Refuse(Command command, Reason reason, bool beep) {
    if (beep) fx_.Beep();
    events_.refused(Refusal{command, reason, phase_.Now()});
}

}  // namespace kararion
