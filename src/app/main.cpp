#include "app/StartUp.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  const int status = RunProgram(argc, argv);
  // The program has released everything in order; skip the static destructors, where Qt's
  // sample cache can wait forever on its own decoder thread.
  std::fflush(nullptr);
  std::_Exit(status);
}
