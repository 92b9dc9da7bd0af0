// Which of the generator's vector paths this run takes.
//
// The processor decides by default: the widest path it runs. Tests and
// benchmarks can force a narrower one with the environment variable
// GRIDLET_ENGINE_PATH (read once, at the first generation), so that every
// path is checked on a machine that has the widest. A path the processor
// cannot run, or an unknown name, is refused with a line on the error
// output, and the widest path is taken instead.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// From the plainest to the widest; each runs where the one after it runs.
enum class EnginePath {
  kPortable,      // any processor and compiler: 128-bit seeding, the fill cell by cell
  kAvx2,          // seeds 8 at a time
  kAvx512,        // seeds 16 at a time
  kAvx512Bitalg,  // and the fill and the placement on all 81 cells at once
};

inline constexpr EnginePath kEnginePaths[] = {EnginePath::kPortable, EnginePath::kAvx2, EnginePath::kAvx512,
                                              EnginePath::kAvx512Bitalg};

// "portable", "avx2", "avx512", "avx512-bitalg".
const char* EnginePathName(EnginePath path);
std::optional<EnginePath> EnginePathNamed(std::string_view name);

// The widest path this build runs on this processor.
EnginePath WidestEnginePath();

struct EnginePathChoice {
  EnginePath path;
  std::string refusal;  // why the request was not taken; empty when it was (or none was made)
};

// The path a request (null for none) gives when `widest` is the widest runnable.
EnginePathChoice ChooseEnginePath(const char* requested, EnginePath widest);

// The path of this run: GRIDLET_ENGINE_PATH and the processor, decided once.
EnginePath ActiveEnginePath();
