#pragma once
// A broken invariant in a fuzz target: said on standard error, then abort(),
// which libFuzzer records as a crash with its input and the replay test as a
// failure.
#include <cstdio>
#include <cstdlib>

#define KREV(vilkar)                                                          \
  do {                                                                        \
    if (!(vilkar)) {                                                          \
      std::fprintf(stderr, "%s:%d: brutt: %s\n", __FILE__, __LINE__, #vilkar); \
      std::abort();                                                           \
    }                                                                         \
  } while (0)
