#include "core/error_box.h"

#include "sound/se.h"

namespace kararion {

void ShowErrorMessage(Game& g, const std::string& message) {
    Se::PlaySound(g, "Error");
    g.fx.MessageBox(message, kErrorTitle);
}

}  // namespace kararion
