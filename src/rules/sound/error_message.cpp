#include "sound/error_message.h"

#include "sound/sounds.h"

namespace kararion {

void ShowErrorMessage(Game& g, const std::string& message) {
    sound::PlaySound(g, "Error");
    g.fx.MessageBox(message, kErrorTitle);
}

}  // namespace kararion
