#pragma once

namespace morvalent::app {

enum class Key { Delete, Comma, Period, Escape, O, S, Z, L, A, C, X, V, Other };

// A key event as the window's keyboard filter sees it.
struct KeyMessage {
    enum class Type { Press, Release };
    Type type = Type::Press;
    Key key = Key::Other;
    bool ctrl = false;   // held at that moment
    bool shift = false;  // held at that moment
    bool autoRepeat = false;
};

}  // namespace morvalent::app
