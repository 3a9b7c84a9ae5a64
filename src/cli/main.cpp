// wcthrm-calc: the book of one tab of one item, computed headless by the same form states the
// dialogs use.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CalcMain.h"

int main(int argc, char** argv) {
  try {
    std::ios::sync_with_stdio(false);
    return wcthrm::cli::Main(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout,
                             std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "wcthrm-calc: internal error: " << e.what() << "\n";
    return 2;
  }
}
