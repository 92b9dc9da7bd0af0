// The pages of "How to play", read from the language files: each page has a
// title and a text, rows of a control and what it does, or both. Pages and
// rows are found by key, so rewording or adding a row needs no code:
//   PREFIX_TITLE, PREFIX_TEXT ("\n" starts a paragraph),
//   PREFIX_CONTROL1 / PREFIX_ACTION1, PREFIX_CONTROL2 / ... up to the first gap.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct THowToRow {
  std::string control;
  std::string action;
};

struct THowToPage {
  std::string prefix;
  std::string title;
  std::string text;
  std::vector<THowToRow> rows;
};

// The key prefixes of the pages, in the order they are shown.
const std::vector<std::string>& HowToPlayPrefixes();

// The pages as `text` gives their keys; `text` answers a missing key with
// the empty text or with the key itself, as the localization does.
std::vector<THowToPage> HowToPlayPages(const std::function<std::string(const std::string&)>& text);
