#pragma once

#include <istream>
#include <ostream>

namespace quibbet::replay {

// Runs a whole script: one JSON line on out for each dump. Returns 0 when every line ran; on the
// first malformed or impossible command, writes "line N: reason" on err and returns 2, keeping
// what was already written.
int Run(std::istream& script, std::ostream& out, std::ostream& err);

}  // namespace quibbet::replay
