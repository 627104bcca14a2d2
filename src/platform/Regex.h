#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace morvalent::platform {

// Why a pattern or a replacement cannot be used.
struct RegexError {
    enum class Kind {
        Unsupported,  // this build has no regular expressions
        Pattern,      // the pattern does not compile
        Replacement,  // the replacement names a group the pattern does not have
        TooHard,      // matching one text ran past the time or memory limit
    };
    // What is wrong with a pattern, for a message in the user's words.
    enum class Problem {
        Other,
        OpenParenthesis,  // a group is not closed (or closed without being opened)
        OpenBracket,      // a set [..] is not closed
        BadRepeat,        // a repeat with nothing before it, or a bad {n,m}
        BadEscape,        // a \ sequence that means nothing
        BadRange,         // a set's range runs backwards
        BadGroupName,     // a group name that cannot be used
        BadProperty,      // a \p{..} that names nothing
        BadFlag,          // an inline flag (?x) that does not exist
        UnboundedLookBehind,
    };
    Kind kind = Kind::Pattern;
    Problem problem = Problem::Other;
    // Where in the pattern the error lies, in UTF-16 units from 0; -1 when unknown.
    std::int32_t position = -1;
    // The library's name for the error, for the message's second line.
    std::u16string detail;
};

// A compiled regular expression on UTF-16 text: "(?i)" and the other inline flags,
// groups by number and by name.
class Regex {
  public:
    // Whether this build can compile patterns at all.
    static bool Supported();
    static std::variant<std::unique_ptr<Regex>, RegexError> Compile(std::u16string_view pattern);

    ~Regex();
    Regex(const Regex&) = delete;
    Regex& operator=(const Regex&) = delete;

    // Every match replaced, left to right, each text within a time limit (about a
    // second) and a limit on the matcher's memory, so that a pattern with nested
    // repeats cannot hang the program; "$1".."$9" and "${name}" in the
    // replacement stand for groups, "\$" for a dollar sign. A match of the empty
    // string inserts the replacement once there and moves on.
    std::variant<std::u16string, RegexError> ReplaceAll(std::u16string_view text,
                                                        std::u16string_view replacement) const;

  private:
    struct Impl;
    explicit Regex(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace morvalent::platform
