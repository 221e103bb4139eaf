#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own. Qt reads it when the first
// window paints its first text, and it is the longest single step before the menu appears; begun
// first thing in the program, it overlaps the connection to the display and the creation of the
// menu instead.

namespace quibbet {

class FontConfigWarmUp {
 public:
  FontConfigWarmUp();

  // Before the first text is painted, so that Qt finds the configuration read and does not read a
  // second one alongside.
  void Wait();

 private:
  std::jthread reading_;
};

}  // namespace quibbet
