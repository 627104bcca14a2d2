#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "app/KeyMessage.h"

namespace morvalent::gui {

// Tells a key's physical release from X11 auto-repeat, which sends a release and
// a press with one timestamp for every repeat while the key is held; Qt cannot
// always mark the release as a repeat, since its press may not have arrived yet.
// A release is held back for a moment, and a press of the same key with the same
// timestamp shows it was a repeat. With no wait, releases pass at once.
class ReleaseFilter : public QObject {
    Q_OBJECT
  public:
    ReleaseFilter(int waitMs, std::function<void(const app::KeyMessage&)> onRelease,
                  QObject* parent = nullptr);

    // True when the release is held back; `onRelease` gets it unless a repeat follows.
    bool HoldRelease(const app::KeyMessage& release, unsigned long timestamp);
    // True when the press is the second half of a repeat pair; it cancels the held
    // release. A press of another key lets a held release run first.
    bool IsRepeatPress(app::Key key, unsigned long timestamp);

  private:
    void RunHeld();

    int waitMs_;
    std::function<void(const app::KeyMessage&)> onRelease_;
    std::optional<app::KeyMessage> held_;
    unsigned long heldTime_ = 0;
    QTimer timer_;
};

}  // namespace morvalent::gui
