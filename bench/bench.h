#pragma once
// The benchmark program: each file registers figures with ZT_BENCH; running
// the program prints them ("name: value unit"), optionally only those whose
// name contains one of the arguments.

#include <QElapsedTimer>
#include <QString>

#include <cstdint>
#include <vector>

namespace zt::bench {

using BenchFn = void (*)();
int registerBench(const char* name, BenchFn fn);
void report(const QString& figure, double value, const QString& unit);

// CPU time of the calling thread, in seconds.
double threadSeconds();

// `count` pseudo-random numbers 0..36 (xorshift64 from `seed`), the same every run.
std::vector<int> randomNumbers(int count, std::uint64_t seed);

// The milliseconds a timer has run.
double ms(const QElapsedTimer& timer);

// The value below which the share p (0..1) of the values lies.
double percentile(std::vector<double> values, double p);

// dati.mdb made anew in the working directory with `rows` pseudo-random spins
// in games of 37 (Memoria " 1" to " 37"), row i of type type(i), in one
// transaction.
void makeSpinsFile(int rows, int (*type)(int row));

} // namespace zt::bench

#define ZT_BENCH(fn)                                                                               \
    static void fn();                                                                              \
    [[maybe_unused]] static const int fn##_registered = zt::bench::registerBench(#fn, fn);         \
    static void fn()
