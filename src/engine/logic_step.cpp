#include "engine/logic_step.h"

#include <array>

namespace logic {

namespace {

using enum Technique;
using G = Grade;

// Scores follow Sudoku Explainer's ladder where it has the technique;
// techniques it lacks sit where HoDoKu's points place them among the rest.
constexpr std::array<TechniqueInfo, kTechniqueCount> kInfo{{
    {"full_house", "Full House", 10, G::kEasy},
    {"naked_single", "Naked Single", 12, G::kEasy},
    {"hidden_single_box", "Hidden Single (box)", 13, G::kEasy},
    {"hidden_single_line", "Hidden Single (line)", 15, G::kEasy},
    {"pointing", "Locked Candidates (pointing)", 26, G::kMedium},
    {"claiming", "Locked Candidates (claiming)", 28, G::kMedium},
    {"naked_pair", "Naked Pair", 30, G::kMedium},
    {"hidden_pair", "Hidden Pair", 34, G::kMedium},
    {"naked_triple", "Naked Triple", 36, G::kMedium},
    {"hidden_triple", "Hidden Triple", 40, G::kMedium},
    {"naked_quad", "Naked Quad", 50, G::kMedium},
    {"hidden_quad", "Hidden Quad", 54, G::kMedium},
    {"x_wing", "X-Wing", 32, G::kHard},
    {"swordfish", "Swordfish", 38, G::kHard},
    {"skyscraper", "Skyscraper", 40, G::kHard},
    {"two_string_kite", "2-String Kite", 41, G::kHard},
    {"xy_wing", "XY-Wing", 42, G::kHard},
    {"xyz_wing", "XYZ-Wing", 44, G::kHard},
    {"w_wing", "W-Wing", 44, G::kHard},
    {"empty_rectangle", "Empty Rectangle", 45, G::kHard},
    {"unique_rectangle_1", "Unique Rectangle Type 1", 45, G::kHard},
    {"unique_rectangle_2", "Unique Rectangle Type 2", 46, G::kHard},
    {"unique_rectangle_4", "Unique Rectangle Type 4", 46, G::kHard},
    {"unique_rectangle_3", "Unique Rectangle Type 3", 47, G::kHard},
    {"finned_x_wing", "Finned X-Wing", 47, G::kHard},
    {"sashimi_x_wing", "Sashimi X-Wing", 48, G::kHard},
    {"simple_colouring", "Simple Colouring", 48, G::kHard},
    {"finned_swordfish", "Finned Swordfish", 50, G::kHard},
    {"sashimi_swordfish", "Sashimi Swordfish", 51, G::kHard},
    {"jellyfish", "Jellyfish", 52, G::kHard},
    {"bug_plus_one", "BUG+1", 56, G::kHard},
    {"finned_jellyfish", "Finned Jellyfish", 56, G::kHard},
    {"sashimi_jellyfish", "Sashimi Jellyfish", 57, G::kHard},
    {"x_chain", "X-Chain", 66, G::kExpert},
    {"xy_chain", "XY-Chain", 68, G::kExpert},
    {"alternating_chain", "Alternating Inference Chain", 72, G::kExpert},
    {"als_xz", "ALS-XZ", 75, G::kExpert},
    {"no_logical_step", "No logical step found", 100, G::kExtreme},
}};

constexpr std::array<std::string_view, kGradeCount> kGradeNames{"Easy", "Medium", "Hard", "Expert", "Extreme"};
constexpr std::array<std::string_view, kGradeCount> kGradeKeys{"easy", "medium", "hard", "expert", "extreme"};

}  // namespace

const TechniqueInfo& Info(Technique technique) { return kInfo[static_cast<int>(technique)]; }
std::string_view GradeName(Grade grade) { return kGradeNames[static_cast<int>(grade)]; }
std::string_view GradeKey(Grade grade) { return kGradeKeys[static_cast<int>(grade)]; }

}  // namespace logic
