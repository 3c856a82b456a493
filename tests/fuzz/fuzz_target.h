// FUZZ_TARGET(name) { ... } defines the body run on every input (`data`, `size`).
//
// Built for libFuzzer (FUZZ_LIBFUZZER defined, one target per program) the body is the
// fuzzer's entry; built for the regression test, every target registers under its name,
// which is also the name of its folders corpus/<name> and regressions/<name>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "in_process.h"

namespace fuzz {

using TargetBody = void (*)(const uint8_t* data, std::size_t size);

struct Target {
  const char* name;
  TargetBody body;
};

bool register_target(const char* name, TargetBody body);
const std::vector<Target>& registered_targets();

}  // namespace fuzz

#ifdef FUZZ_LIBFUZZER
#define FUZZ_ENTRY(name)                                                          \
  extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) { \
    fuzz_##name(data, size);                                                      \
    return 0;                                                                     \
  }
#else
#define FUZZ_ENTRY(name) \
  [[maybe_unused]] static const bool registered_##name = fuzz::register_target(#name, fuzz_##name);
#endif

#define FUZZ_TARGET(name)                                               \
  static void fuzz_##name(const uint8_t* data, std::size_t size);       \
  FUZZ_ENTRY(name)                                                      \
  static void fuzz_##name([[maybe_unused]] const uint8_t* data, [[maybe_unused]] std::size_t size)
