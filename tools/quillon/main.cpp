#include <iostream>

#include "tools/quillon/Cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return quillon::RunQuillon(args, std::cout, std::cerr);
}
