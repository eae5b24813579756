#include "ui/group/view_preferences.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <iterator>
#include <memory>

#include "ui/controls/look.h"
#include "ui/platform/settings_file.h"
#include "ui/windows/window_host.h"

namespace kararion::ui {
namespace {

const QString kZoomKey = QStringLiteral("view/zoom");
const QString kSoundKey = QStringLiteral("sound/on");
const QString kVolumeKey = QStringLiteral("sound/volume");

// A volume as a step of the scale, within it.
int VolumeStep(int percent) {
    const int step = (std::clamp(percent, 0, 100) + kVolumeStep / 2) / kVolumeStep * kVolumeStep;
    return std::min(step, 100);
}

// The group's width and height at `percent`: the windows scale, their frames do not.
QSize GroupSize(const QWidget* info, const QWidget* main, const QWidget* menu, int percent) {
    int width = 0;
    int height = 0;
    for (const QWidget* window : {info, main, menu}) {
        const QSize base = BaseSize(window);
        const QSize frame = window->frameGeometry().size() - window->size();
        width += base.width() * percent / 100 + frame.width();
        height = std::max(height, base.height() * percent / 100 + frame.height());
    }
    return QSize(width, height);
}

}  // namespace

ViewPreferences::ViewPreferences(const QWidget* info, const QWidget* main, const QWidget* menu)
    : info_(info), main_(main), menu_(menu) {}

void ViewPreferences::Load() {
    const std::unique_ptr<QSettings> settings = OpenSettings();
    const std::vector<int> choices = ZoomChoices();
    const int chosen = settings ? settings->value(kZoomKey, 0).toInt() : 0;
    SetZoomPercent(std::find(choices.begin(), choices.end(), chosen) != choices.end() ? chosen : DefaultZoom());
    // A step too large for this screen comes back on a screen that has room for it.
    wantedZoom_ = std::find(std::begin(kZoomSteps), std::end(kZoomSteps), chosen) != std::end(kZoomSteps)
                      ? chosen
                      : ZoomPercent();
    soundOn_ = settings ? settings->value(kSoundKey, true).toBool() : true;
    if (soundSwitch_) soundSwitch_(soundOn_);
    volume_ = VolumeStep(settings ? settings->value(kVolumeKey, 100).toInt() : 100);
    if (volumeSwitch_) volumeSwitch_(volume_);
}

std::vector<int> ViewPreferences::ZoomChoices() const {
    const QScreen* screen = main_->screen();
    std::vector<int> choices{kZoomSteps[0]};
    if (screen == nullptr) return choices;
    const QSize room = screen->availableGeometry().size();
    for (int percent : kZoomSteps) {
        const QSize group = GroupSize(info_, main_, menu_, percent);
        if (percent > kZoomSteps[0] && group.width() <= room.width() && group.height() <= room.height())
            choices.push_back(percent);
    }
    return choices;
}

int ViewPreferences::DefaultZoom() const {
    const QScreen* screen = main_->screen();
    int best = kZoomSteps[0];
    if (screen == nullptr) return best;
    for (int percent : ZoomChoices()) {
        if (GroupSize(info_, main_, menu_, percent).width() <= screen->geometry().width() / 2) best = percent;
    }
    return best;
}

void ViewPreferences::ChooseZoom(int percent) {
    wantedZoom_ = percent;
    if (const auto settings = OpenSettings()) settings->setValue(kZoomKey, percent);
}

int ViewPreferences::FittingZoom() const {
    // The choices rise from the smallest step, which is always there.
    const std::vector<int> choices = ZoomChoices();
    int best = choices.front();
    for (int percent : choices) {
        if (percent <= wantedZoom_) best = percent;
    }
    return best;
}

std::optional<int> ViewPreferences::NextZoom(int direction) const {
    const std::vector<int> choices = ZoomChoices();
    const int now = ZoomPercent();
    if (direction > 0) {
        const auto above = std::find_if(choices.begin(), choices.end(), [now](int percent) { return percent > now; });
        if (above != choices.end()) return *above;
    } else {
        const auto below = std::find_if(choices.rbegin(), choices.rend(), [now](int percent) { return percent < now; });
        if (below != choices.rend()) return *below;
    }
    return std::nullopt;
}

void ViewPreferences::SetSoundOn(bool on) {
    soundOn_ = on;
    if (const auto settings = OpenSettings()) settings->setValue(kSoundKey, on);
    if (soundSwitch_) soundSwitch_(on);
}

void ViewPreferences::SetVolume(int percent) {
    volume_ = VolumeStep(percent);
    if (const auto settings = OpenSettings()) settings->setValue(kVolumeKey, volume_);
    if (volumeSwitch_) volumeSwitch_(volume_);
}

}  // namespace kararion::ui
