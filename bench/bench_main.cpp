#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench.h"

namespace tvbench {

namespace {
std::vector<std::pair<const char*, BenchFunction>>& Registry() {
  static std::vector<std::pair<const char*, BenchFunction>> registry;
  return registry;
}
}  // namespace

Registration::Registration(const char* name, BenchFunction function) { Registry().emplace_back(name, function); }

void Report(const std::string& name, double value, const char* unit) {
  std::printf("BENCH %s %.6g %s\n", name.c_str(), value, unit);
  std::fflush(stdout);
}

}  // namespace tvbench

int main(int argc, char** argv) {
  const std::string only = argc > 1 ? argv[1] : "";
  for (const auto& [name, function] : tvbench::Registry())
    if (only.empty() || only == name) function();
  return 0;
}
