#pragma once

#include <optional>
#include <string>
#include <string_view>

// The current user's registry (HKEY_CURRENT_USER), by key path below it, for the
// Explorer verbs the terminal program installs; text values only.
namespace morvalent::platform {

bool UserKeyExists(std::u16string_view key);

// A REG_SZ value; an empty name is the key's default value. Nothing when the key
// or value is missing or is not text.
std::optional<std::u16string> ReadUserText(std::u16string_view key, std::u16string_view name);

// Creates the key (and those above it) as needed.
bool WriteUserText(std::u16string_view key, std::u16string_view name, std::u16string_view text);

enum class KeyRemoval { Removed, NotThere, Failed };

// The key with everything below it.
KeyRemoval RemoveUserTree(std::u16string_view key);

// The key only when it holds no values and no keys.
bool RemoveUserKeyIfEmpty(std::u16string_view key);

// The full path of the running program.
std::u16string RunningProgramPath();

}  // namespace morvalent::platform
