#pragma once

#include <string>
#include <vector>

namespace morvalent::platform {

// The program's arguments without its name, in UTF-8 as the terminal front end
// reads them. On Linux the bytes as given (which need not be UTF-8); on Windows
// the wide command line, since `argv` there holds the ANSI code page's lossy form.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Lets a console show UTF-8 output as text (a Windows console otherwise reads it
// in its own code page). Nothing where terminals take UTF-8 anyway.
void UseUtf8Console();

}  // namespace morvalent::platform
