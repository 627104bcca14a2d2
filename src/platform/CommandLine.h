#pragma once

#include <string>
#include <vector>

namespace morvalent::platform {

// The program's arguments without its name, in UTF-8 as the terminal front end
// reads them. On Linux the bytes as given (which need not be UTF-8); on Windows
// the wide command line, since `argv` there holds the ANSI code page's lossy form.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Lets a console show UTF-8 output as text while it lives (a Windows console
// otherwise reads it in its own code page), and leaves the console's code page as
// it found it: the console outlives the program. Flush the output before it ends.
// Nothing where terminals take UTF-8 anyway.
class Utf8Console {
  public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

  private:
    unsigned previous_ = 0;  // the code page found; 0 when there was none to set
};

}  // namespace morvalent::platform
