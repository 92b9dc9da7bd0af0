#include "support/localization.h"

#include "support/text_util.h"

struct Localization::State {
  std::vector<std::string> languages;
  std::string current;
  std::string name;
  std::list<LocalizationResourcePtr> resources;
};

Localization::State& Localization::state() {
  static State instance;
  return instance;
}

void LocalizationResource::Register(const LocalizationResourcePtr& resource) {
  auto& list = Localization::state().resources;
  resource->_link = list.insert(list.end(), resource);
}

void LocalizationResource::Unregister() {
  if (!_link) return;
  auto link = *_link;
  _link.reset();
  Localization::state().resources.erase(link);  // may release this object last: nothing follows
}

void Localization::AddLanguages(const std::string& list) {
  size_t start = 0;
  while (true) {
    size_t comma = list.find(',', start);
    state().languages.push_back(TrimBlanks(std::string_view(list).substr(start, comma - start)));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
}

int Localization::SetLanguage(const std::string& language) {
  for (const auto& known : state().languages) {
    if (known == language) {
      state().current = language;
      state().name = language;
      return 1;
    }
  }
  return 0;
}

std::string Localization::Language() { return state().current; }

void Localization::SetLanguageName(const std::string& name) { state().name = name; }

std::string Localization::LanguageName() { return state().name; }

const std::vector<std::string>& Localization::Languages() { return state().languages; }

std::shared_ptr<LocalizationStreamingResource> Localization::OpenResource(const std::string& file) {
  return LocalizationStreamingResource::open(file, "");
}

std::shared_ptr<LocalizationMemoryResource> Localization::LoadResource(const std::string& file) {
  return LocalizationMemoryResource::open(file, "");
}

void Localization::OpenResources(const std::string& pattern) {
  for (const auto& file : GetResourceFiles(pattern)) OpenResource(file);
}

void Localization::LoadResources(const std::string& pattern) {
  for (const auto& file : GetResourceFiles(pattern)) LoadResource(file);
}

std::vector<std::string> Localization::GetResourceFiles(const std::string& pattern) {
  std::vector<std::string> files;
  size_t star = pattern.find('*');
  if (star == std::string::npos) return files;
  const std::string prefix = pattern.substr(0, star);
  const std::string suffix = pattern.substr(star + 1);
  size_t sep = prefix.find_last_of("/\\");
  std::string folder, start;
  if (sep == std::string::npos) {
    start = prefix;
  } else {
    folder = prefix.substr(0, sep);
    start = prefix.substr(sep + 1);  // the one leading separator is dropped
  }
  // Names are returned with the folder in front, or alone for the working folder.
  const std::string listed = sep == std::string::npos ? "." : (folder.empty() ? "/" : folder);
  const std::string lead = sep == std::string::npos ? "" : folder + "/";
  for (const auto& name : drawing::ReadDir(listed)) {
    if (name.size() >= start.size() + suffix.size() && name.compare(0, start.size(), start) == 0 &&
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
      files.push_back(lead + name);
    }
  }
  return files;
}

std::string Localization::GetString(const std::string& key, const std::string& group) {
  for (const auto& resource : state().resources) {
    if (resource->language != state().current) continue;
    std::string answer = resource->GetString(key, group);
    if (!answer.empty()) return answer;
  }
  return {};
}

std::string Localization::GetLanguageFromFilename(const std::string& file) {
  size_t slash = file.rfind('/');
  if (slash == std::string::npos) return {};
  std::string name = file.substr(slash + 1);
  return name.substr(0, name.find('.'));
}

void Localization::Dispose() {
  const std::list<LocalizationResourcePtr> resources = state().resources;
  for (const auto& resource : resources) resource->Close();
  state().resources.clear();
  state().languages.clear();
}
