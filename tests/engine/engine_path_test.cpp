// Choosing the generator's vector path: the processor's widest by default,
// a narrower one on request, never one the processor cannot run.
#include "engine/engine_path.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(EnginePath, NamesReadBack) {
  for (EnginePath path : kEnginePaths) EXPECT_EQ(EnginePathNamed(EnginePathName(path)), path);
  EXPECT_FALSE(EnginePathNamed("AVX2"));
  EXPECT_FALSE(EnginePathNamed(""));
  EXPECT_FALSE(EnginePathNamed("avx2 "));
}

TEST(EnginePath, RequestsUpToTheWidestAreTaken) {
  for (EnginePath widest : kEnginePaths) {
    EXPECT_EQ(ChooseEnginePath(nullptr, widest).path, widest);
    EXPECT_EQ(ChooseEnginePath("", widest).path, widest);
    for (EnginePath requested : kEnginePaths) {
      const EnginePathChoice choice = ChooseEnginePath(EnginePathName(requested), widest);
      if (requested <= widest) {
        EXPECT_EQ(choice.path, requested);
        EXPECT_EQ(choice.refusal, "");
      } else {
        // Refused, with a line that says so and names what is taken.
        EXPECT_EQ(choice.path, widest);
        EXPECT_NE(choice.refusal.find(EnginePathName(requested)), std::string::npos) << choice.refusal;
        EXPECT_NE(choice.refusal.find(std::string("taking ") + EnginePathName(widest)), std::string::npos);
      }
    }
  }
  const EnginePathChoice unknown = ChooseEnginePath("sse9", EnginePath::kAvx2);
  EXPECT_EQ(unknown.path, EnginePath::kAvx2);
  EXPECT_NE(unknown.refusal.find("\"sse9\""), std::string::npos);
}

// The engine's tests run once per path with GRIDLET_ENGINE_PATH set; this
// one makes sure such a run really takes the path it names.
TEST(EnginePath, ThisRunTakesTheRequestedPath) {
  const char* requested = std::getenv("GRIDLET_ENGINE_PATH");
  if (!requested) {
    EXPECT_EQ(ActiveEnginePath(), WidestEnginePath());
    return;
  }
  const auto named = EnginePathNamed(requested);
  ASSERT_TRUE(named) << requested;
  if (*named > WidestEnginePath()) GTEST_SKIP() << "this processor cannot run " << requested;
  EXPECT_EQ(ActiveEnginePath(), *named);
}

}  // namespace
