// quibbet-replay: runs the game's windows from a script on standard input and prints the state
// at each dump on standard output.

#include <iostream>

#include "replay/run.h"

int main() {
  std::ios::sync_with_stdio(false);
  return quibbet::replay::Run(std::cin, std::cout, std::cerr);
}
