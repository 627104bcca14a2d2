#pragma once

#include <string>
#include <string_view>

// Small POSIX helpers shared by the platform's own files; not for other layers.
namespace morvalent::platform::posix {

// Closes its descriptor when it goes.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd();
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// Writes every byte, going on after interruptions; false on an error (errno set).
bool WriteAll(int fd, std::string_view bytes);

// The folder part of a native path ("." without one, "/" for the root) and its
// last name.
std::string ParentOf(const std::string& path);
std::string NameOf(const std::string& path);

}  // namespace morvalent::platform::posix
