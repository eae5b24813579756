#include "setup/recording_effects.h"

namespace kararion {

void RecordingEffects::Beep() {
    ++beeps;
    if (keepLog) events.push_back({Kind::Beep, {}, {}});
}

void RecordingEffects::MessageBox(const std::string& text, const std::string& title) {
    ++messages;
    if (keepLog) events.push_back({Kind::MessageBox, text, title});
    if (whileMessageOpen) whileMessageOpen(text);
}

void RecordingEffects::SoundCloseAll() {
    lastOpened.clear();
    if (keepLog) events.push_back({Kind::SoundCloseAll, {}, {}});
}

void RecordingEffects::SoundOpen(const std::string& path) {
    lastOpened = path;
    if (keepLog) events.push_back({Kind::SoundOpen, path, {}});
}

void RecordingEffects::SoundPlay(const std::string& path) {
    if (keepLog) events.push_back({Kind::SoundPlay, path, {}});
}

std::vector<std::string> RecordingEffects::Messages() const {
    std::vector<std::string> out;
    for (const Event& e : events)
        if (e.kind == Kind::MessageBox) out.push_back(e.text);
    return out;
}

std::vector<std::string> RecordingEffects::SoundsPlayed() const {
    std::vector<std::string> out;
    for (const Event& e : events)
        if (e.kind == Kind::SoundPlay) out.push_back(e.text);
    return out;
}

void RecordingEffects::Clear() {
    events.clear();
    beeps = 0;
    messages = 0;
}

}  // namespace kararion
