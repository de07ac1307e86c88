// driver/main.cc - entry point of velmaric.

#include "driver/Driver.h"

int main(int argc, char** argv) {
  return runCompiler(argc, argv);
}
