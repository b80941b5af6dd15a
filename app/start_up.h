#pragma once

namespace ftq {

// The program: prepares the state, loads the main window as the first window, serves the
// event loop until the program ends and releases the state once. Returns 0.
int startUp();

} // namespace ftq
