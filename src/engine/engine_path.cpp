#include "engine/engine_path.h"

#include <cstdio>
#include <cstdlib>

#include "engine/packed_board.h"

namespace {

constexpr const char* kNames[] = {"portable", "avx2", "avx512", "avx512-bitalg"};

bool ProcessorRuns(EnginePath path) {
#if GRIDLET_HAVE_WIDE
  // The features each path's code is compiled for (fresh_draws.cpp, wide_board.h).
  switch (path) {
    case EnginePath::kAvx512Bitalg:
      if (!__builtin_cpu_supports("avx512bitalg") || !__builtin_cpu_supports("bmi") ||
          !__builtin_cpu_supports("bmi2") || !__builtin_cpu_supports("popcnt"))
        return false;
      [[fallthrough]];
    case EnginePath::kAvx512:
      return __builtin_cpu_supports("x86-64-v4");
    case EnginePath::kAvx2:
      return __builtin_cpu_supports("avx2");
    case EnginePath::kPortable:
      return true;
  }
  return false;
#else
  return path == EnginePath::kPortable;
#endif
}

}  // namespace

const char* EnginePathName(EnginePath path) { return kNames[static_cast<int>(path)]; }

std::optional<EnginePath> EnginePathNamed(std::string_view name) {
  for (EnginePath path : kEnginePaths)
    if (name == EnginePathName(path)) return path;
  return std::nullopt;
}

EnginePath WidestEnginePath() {
  EnginePath widest = EnginePath::kPortable;
  for (EnginePath path : kEnginePaths)
    if (ProcessorRuns(path)) widest = path;
  return widest;
}

EnginePathChoice ChooseEnginePath(const char* requested, EnginePath widest) {
  if (!requested || !*requested) return {widest, {}};
  const std::optional<EnginePath> named = EnginePathNamed(requested);
  std::string why;
  if (!named) {
    why = "unknown engine path \"" + std::string(requested) + "\"";
  } else if (*named > widest) {
    why = "this processor cannot run the engine path " + std::string(requested);
  } else {
    return {*named, {}};
  }
  return {widest, why + "; taking " + EnginePathName(widest)};
}

EnginePath ActiveEnginePath() {
  static const EnginePath active = [] {
    const EnginePathChoice choice = ChooseEnginePath(std::getenv("GRIDLET_ENGINE_PATH"), WidestEnginePath());
    if (!choice.refusal.empty()) std::fprintf(stderr, "gridlet: GRIDLET_ENGINE_PATH: %s\n", choice.refusal.c_str());
    return choice.path;
  }();
  return active;
}
