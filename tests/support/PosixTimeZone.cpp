#include "support/PosixTimeZone.h"

#include <cstdlib>
#include <ctime>

namespace morvalent::testing {

TimeZone::TimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    setenv("TZ", zone, 1);
    tzset();
}

TimeZone::~TimeZone() {
    if (old_) {
        setenv("TZ", old_->c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

}  // namespace morvalent::testing
