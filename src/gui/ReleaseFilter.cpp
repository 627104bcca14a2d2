#include "gui/ReleaseFilter.h"

namespace morvalent::gui {

ReleaseFilter::ReleaseFilter(int waitMs, std::function<void(const app::KeyMessage&)> onRelease,
                             QObject* parent)
    : QObject(parent), waitMs_(waitMs), onRelease_(std::move(onRelease)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ReleaseFilter::RunHeld);
}

bool ReleaseFilter::HoldRelease(const app::KeyMessage& release, unsigned long timestamp) {
    if (waitMs_ <= 0) return false;
    RunHeld();
    held_ = release;
    heldTime_ = timestamp;
    timer_.start(waitMs_);
    return true;
}

bool ReleaseFilter::IsRepeatPress(app::Key key, unsigned long timestamp) {
    if (!held_) return false;
    if (held_->key == key && heldTime_ == timestamp) {
        held_.reset();
        timer_.stop();
        return true;
    }
    RunHeld();
    return false;
}

void ReleaseFilter::RunHeld() {
    timer_.stop();
    if (!held_) return;
    const app::KeyMessage release = *held_;
    held_.reset();
    onRelease_(release);
}

}  // namespace morvalent::gui
