// Removed once the window has sources of its own.
