// The contact sheet: every baked picture, every stone set and both fonts on
// one page, plus mock-ups of the screens composed the way the game draws
// them, so the art can be judged at a glance.
#pragma once

#include <string>

#include "bake.h"

namespace baker {

// dataDir holds the hand-written data (themes/*/config.xml).
Canvas ContactSheet(const Bake& bake, const std::string& dataDir);

}  // namespace baker
