#pragma once

#include <memory>
#include <string>
#include <vector>

namespace morvalent::platform {

// The program's arguments without its name, in UTF-8 as the terminal front end
// reads them. On Linux the bytes as given (which need not be UTF-8); on Windows
// the wide command line, since `argv` there holds the ANSI code page's lossy form.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Whether this system's build can put the program into the file managers' menus
// (--install-file-manager-actions).
bool OffersFileManagerActions();

// Shows the program's UTF-8 output as text on a console while it lives: on a
// Windows console the standard output and error go through the console's own wide
// text call (its code page never changes, so a program stopped by Ctrl+C leaves
// the console as it was); redirected, they stay UTF-8 bytes. Flush the output
// before it ends. Nothing where terminals take UTF-8 anyway.
class Utf8Console {
  public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

    struct State;

  private:
    std::unique_ptr<State> state_;
};

}  // namespace morvalent::platform
