#pragma once

#include <string>

#include "app/Steps.h"

// The command line's steps are parsed where the window's recipes are too.
namespace morvalent::cli {

using app::ParseArguments;
using app::ParseResult;
using app::PrintMode;
using app::Recipe;
using app::Step;

// The usage text, in Korean.
std::string UsageText();

}  // namespace morvalent::cli
