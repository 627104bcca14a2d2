#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace morvalent::gui {

// SIGTERM, SIGINT and SIGHUP (the system shutting down, Ctrl+C in a terminal, the
// terminal closing) reach the window's event loop as a call of `stop`, so the
// window can close the way the user would close it and keep the list.
class StopSignals : public QObject {
    Q_OBJECT
  public:
    explicit StopSignals(std::function<void()> stop, QObject* parent = nullptr);
    ~StopSignals() override;

  private:
    std::function<void()> stop_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace morvalent::gui
