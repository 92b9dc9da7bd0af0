#include "shell/preferences.h"

#include <cstdint>

#include "drawing/files.h"
#include "drawing/messages.h"
#include "support/text_util.h"
#include "support/xml_document.h"
#include "support/xml_text_writer.h"

namespace {

// A real preferences file is about 200 bytes; anything far larger is not one,
// and reading it whole would only cost memory.
constexpr long kMaxFileBytes = 16 * 1024;
constexpr const char* kVersion = "1";

struct Entry {
  const char* element;
  bool TPreferences::*field;
};
constexpr Entry kEntries[] = {
    {"showconflicts", &TPreferences::showConflicts},
    {"highlight", &TPreferences::highlight},
    {"autoremovenotes", &TPreferences::autoRemoveNotes},
    {"numeralnotes", &TPreferences::numeralNotes},
};

}  // namespace

std::string PreferencesFileText(const TPreferences& preferences) {
  const xmlDocumentPtr document = xmlDocument::Create();
  const xmlNodePtr root = document->Root();
  root->Name = "preferences";
  root->AddAttribute("version", kVersion);
  for (const Entry& entry : kEntries) {
    root->AddNode(entry.element, AS_CHILD)->Value = preferences.*entry.field ? "1" : "0";
  }
  return document->SaveToBytes(FORMAT_XML);
}

TPreferences PreferencesFromBytes(const std::string& bytes, std::string& problem) {
  problem.clear();
  TPreferences preferences;
  const xmlDocumentPtr document = xmlDocument::Create();
  try {
    document->LoadFromBytes(bytes, "preferences");
  } catch (const xmlError& error) {
    problem = error.what();
    return preferences;
  }
  const xmlNodePtr& root = document->RootNode();
  if (!root || root->Name != "preferences") {
    problem = "no preferences element";
    return preferences;
  }
  for (const Entry& entry : kEntries) {
    const xmlNodePtr element = root->FindChild(entry.element);
    if (!element) continue;  // written before the option existed
    const std::string value = TrimBlanks(element->Value);
    if (value == "1" || value == "0") {
      preferences.*entry.field = value == "1";
    } else if (problem.empty()) {
      problem = std::string("ignored ") + entry.element;
    }
  }
  return preferences;
}

TPreferences LoadPreferences(const std::string& path) {
  std::string bytes, why;
  switch (drawing::ReadSmallFile(path, kMaxFileBytes, bytes, why)) {
    case drawing::SmallFileRead::kMissing:
      drawing::Print(path + " not found, default preferences");
      return {};
    case drawing::SmallFileRead::kRefused:
      drawing::Print(path + " ignored (" + why + "), default preferences");
      return {};
    case drawing::SmallFileRead::kRead: break;
  }
  std::string problem;
  const TPreferences preferences = PreferencesFromBytes(bytes, problem);
  if (!problem.empty()) drawing::Print(path + " is damaged (" + problem + "), defaults where it could not be read");
  return preferences;
}

bool SavePreferences(const TPreferences& preferences, const std::string& path) {
  if (drawing::WriteFileAtomically(path, PreferencesFileText(preferences))) return true;
  drawing::Print("could not write " + path);
  return false;
}
