#include "app/StartUp.h"
#include "framework/application.h"

int main(int argc, char** argv) {
  // The program has released everything in order by now.
  fw::EndProcess(RunProgram(argc, argv));
}
