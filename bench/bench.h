#pragma once
// The benchmark program: each file registers figures with ZT_BENCH; running
// the program prints them ("name: value unit"), optionally only those whose
// name contains one of the arguments.

#include <QString>

namespace zt::bench {

using BenchFn = void (*)();
int registerBench(const char* name, BenchFn fn);
void report(const QString& figure, double value, const QString& unit);

} // namespace zt::bench

#define ZT_BENCH(fn)                                                                               \
    static void fn();                                                                              \
    [[maybe_unused]] static const int fn##_registered = zt::bench::registerBench(#fn, fn);         \
    static void fn()
