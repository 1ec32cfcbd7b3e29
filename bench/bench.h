#pragma once
// Benchmarks register themselves here; each figure is printed as one line
// "BENCH <name> <value> <unit>" so runs can be compared by a script.
#include <chrono>
#include <string>

namespace tvbench {

using BenchFunction = void (*)();
struct Registration {
  Registration(const char* name, BenchFunction function);
};

void Report(const std::string& name, double value, const char* unit);

// Seconds since the call, for timing a block.
class Stopwatch {
 public:
  double Seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace tvbench

#define TV_BENCH(name)                                                   \
  static void name();                                                    \
  static const ::tvbench::Registration name##_registration(#name, name); \
  static void name()
