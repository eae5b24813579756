#pragma once
// What every module of the rules stands on: the world outside (effects and the
// program's folder), the seven counters, and the events the modules announce.
#include <string>

#include "core/counters.h"
#include "core/effects.h"
#include "core/events.h"

namespace kararion {

struct Ground {
    Ground(Effects& effects, std::string programDirectory) : fx(effects), programDir(std::move(programDirectory)) {}
    Ground(const Ground&) = delete;
    Ground& operator=(const Ground&) = delete;

    Effects& fx;
    std::string programDir;  // the running program's folder, where the sounds live
    Counters counters;
    GameEvents events;
};

}  // namespace kararion
