#include <csignal>
#include <iostream>

#include "tools/quillon/Cli.h"

int main(int argc, char** argv) {
  // Beyond a file-size limit a write fails with EFBIG, reported like any
  // failed write (standard output included), instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  std::vector<std::string> args(argv + 1, argv + argc);
  return quillon::RunQuillon(args, std::cout, std::cerr);
}
