#include "sound/error_message.h"

#include "sound/sounds.h"

namespace kararion::sound {

void ShowErrorMessage(Ground& g, const std::string& message) {
    PlaySound(g, Sound::Error);
    g.fx.MessageBox(message, kErrorTitle);
}

}  // namespace kararion::sound
