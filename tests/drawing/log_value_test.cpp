// Values read from files in log lines: short, and one line each.
#include <gtest/gtest.h>

#include "drawing/messages.h"

TEST(LogValue, KeepsShortValuesAndCutsLongOnesSayingHowLongTheyWere) {
  const struct {
    std::string value, logged;
  } cases[] = {
      {"", ""},
      {"247058E3", "247058E3"},
      {std::string(80, 'a'), std::string(80, 'a')},
      {std::string(81, 'a'), std::string(80, 'a') + "... (81 bytes)"},
      {std::string(5000000, 'b'), std::string(80, 'b') + "... (5000000 bytes)"},
      {"two\nlines\r\x7f\tend", "two?lines???end"},
      {"Gr\xfc\xdf" "e", "Gr\xfc\xdf" "e"},  // Latin-1 letters stay
  };
  for (const auto& c : cases) EXPECT_EQ(drawing::LogValue(c.value), c.logged) << c.value.substr(0, 90);
}
