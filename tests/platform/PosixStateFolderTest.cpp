#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "platform/StateFolder.h"

namespace morvalent::platform {
namespace {

// Sets or clears one variable for the test, and puts it back afterwards.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = getenv(name)) old_ = old;
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(StateFolder, FromTheEnvironment) {
    struct Case {
        const char* xdg;
        const char* home;
        std::optional<std::u16string> folder;
    };
    const Case cases[] = {
        {"/x/state", "/home/u", u"/x/state/morvalent"},
        {"/x/state/", "/home/u", u"/x/state/morvalent"},
        {nullptr, "/home/u", u"/home/u/.local/state/morvalent"},
        {"", "/home/u", u"/home/u/.local/state/morvalent"},
        {"relative", "/home/u", u"/home/u/.local/state/morvalent"},
        {nullptr, nullptr, std::nullopt},
        {nullptr, "relative", std::nullopt},
    };
    for (const Case& c : cases) {
        ScopedVariable xdg("XDG_STATE_HOME", c.xdg);
        ScopedVariable home("HOME", c.home);
        EXPECT_EQ(DefaultStateFolder(), c.folder);
    }
}

}  // namespace
}  // namespace morvalent::platform
