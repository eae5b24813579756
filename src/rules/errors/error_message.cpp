#include "errors/error_message.h"

#include "sound/sounds.h"

namespace kararion::errors {

void ShowErrorMessage(Ground& g, const std::string& message) {
    sound::PlaySound(g, sound::Sound::Error);
    g.MessageBox(message, kErrorTitle);
}

}  // namespace kararion::errors
