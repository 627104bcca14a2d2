#pragma once

#include <optional>
#include <string>

namespace morvalent::testing {

// Sets the process's time zone (a POSIX TZ value such as "KST-9") for one test
// and puts the old one back.
class TimeZone {
  public:
    explicit TimeZone(const char* zone);
    ~TimeZone();
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

  private:
    std::optional<std::string> old_;
};

}  // namespace morvalent::testing
