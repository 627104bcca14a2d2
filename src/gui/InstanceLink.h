#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace morvalent::gui {

// One window per session: a later start hands its paths to the window that is
// open, over a local socket in the user's runtime folder (the folder and the
// socket are the user's alone).
class InstanceLink : public QObject {
    Q_OBJECT
  public:
    using Arrival = std::function<void(std::vector<std::u16string>)>;

    explicit InstanceLink(QObject* parent = nullptr) : QObject(parent) {}

    // The socket in $XDG_RUNTIME_DIR; empty when the session names no such folder.
    static QString SocketPath();
    // True when a window listens at `socketPath` and took the paths.
    static bool HandOver(const QString& socketPath, const std::vector<std::u16string>& paths);
    // Listens at `socketPath`: every later start's paths go to `arrival`. False
    // when it cannot (the program then simply runs on its own).
    bool Listen(const QString& socketPath, Arrival arrival);

  private:
    void Accept();

    QLocalServer server_;
    Arrival arrival_;
};

}  // namespace morvalent::gui
