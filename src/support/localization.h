// The localization service: supported languages, the current language and
// the open language resources, answering every text lookup of the game.
#pragma once

#include <string>
#include <vector>

#include "support/localization_resource.h"

class Localization {
 public:
  // Splits at "," and appends each trimmed piece (duplicates are kept).
  static void AddLanguages(const std::string& list);
  // 1 and the language becomes current when it is supported, else 0.
  static int SetLanguage(const std::string& language);
  static std::string Language();
  // The name of the language the game is set to, as the settings file keeps
  // it. SetLanguage renews it; a name without a language file can only be
  // set here, and then lookups stay with the language that has one.
  static void SetLanguageName(const std::string& name);
  static std::string LanguageName();
  static const std::vector<std::string>& Languages();

  static std::shared_ptr<LocalizationStreamingResource> OpenResource(const std::string& file);
  static std::shared_ptr<LocalizationMemoryResource> LoadResource(const std::string& file);
  static void OpenResources(const std::string& pattern);
  static void LoadResources(const std::string& pattern);
  // The files a pattern with one "*" matches, e.g. "lang/*.lang".
  static std::vector<std::string> GetResourceFiles(const std::string& pattern);

  // The first non-empty answer of the current language's resources, in the
  // order they were opened; empty when there is none.
  static std::string GetString(const std::string& key, const std::string& group = "");
  // The text after the last "/" up to the next "."; empty without a "/".
  static std::string GetLanguageFromFilename(const std::string& file);
  // Closes every resource and forgets the languages.
  static void Dispose();

 private:
  friend class LocalizationResource;
  struct State;
  static State& state();
};
