#include "support/localization_resource.h"

#include <stdexcept>

#include "support/localization.h"
#include "support/text_util.h"

bool SplitLocalizationEntry(const std::string& line, std::string& key, std::string& value) {
  size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  key = TrimBlanks(std::string_view(line).substr(0, eq));
  value = TrimBlanks(std::string_view(line).substr(eq + 1));
  return true;
}

namespace {

bool IsGroupHeader(const std::string& line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

}  // namespace

// ---- base

std::string LocalizationResource::GetString(const std::string&, const std::string&) { return {}; }

void LocalizationResource::Close() {}

drawing::StreamPtr LocalizationResource::OpenFile(const std::string& file, std::string& language) {
  if (language.empty()) language = Localization::GetLanguageFromFilename(file);
  if (language.empty()) {
    throw std::runtime_error(
        "No language was specified for loading the resource file and the language could not be detected from the "
        "filename itself.\r\nPlease specify the language or use the format \"name_language.extension\" for the "
        "resource files.");
  }
  auto stream = drawing::Stream::Open(file, true, false);
  if (!stream) {
    throw std::runtime_error("The resource file \"" + file + "\" was not found or could not be opened for reading.");
  }
  return stream;
}

// ---- streaming

std::shared_ptr<LocalizationStreamingResource> LocalizationStreamingResource::open(const std::string& file,
                                                                                  const std::string& language) {
  auto resource = std::make_shared<LocalizationStreamingResource>();
  resource->language = language;
  resource->Stream = OpenFile(file, resource->language);
  Register(resource);
  return resource;
}

std::string LocalizationStreamingResource::GetString(const std::string& key, const std::string& group) {
  if (!Stream) return {};
  Stream->Seek(0);
  bool skipping = false;
  std::string line_key, line_value;
  while (!Stream->Eof()) {
    const std::string line = TrimBlanks(Stream->ReadLine());
    const bool header = !line.empty() && line.front() == '[';
    if (!group.empty() && skipping && !header) continue;
    if (!group.empty() && IsGroupHeader(line)) skipping = line.substr(1, line.size() - 2) != group;
    SplitLocalizationEntry(line, line_key, line_value);
    if (line_key == key) return line_value;
  }
  return {};
}

void LocalizationStreamingResource::Close() {
  Unregister();
  if (Stream) Stream->Close();
  Stream.reset();
}

// ---- memory

std::shared_ptr<LocalizationMemoryResource> LocalizationMemoryResource::open(const std::string& file,
                                                                            const std::string& language) {
  auto resource = std::make_shared<LocalizationMemoryResource>();
  resource->language = language;
  auto stream = OpenFile(file, resource->language);
  Register(resource);
  resource->Read(*stream);
  stream->Close();
  return resource;
}

void LocalizationMemoryResource::Read(drawing::Stream& stream) {
  std::string group, key, value;
  while (!stream.Eof()) {
    const std::string line = stream.ReadLine();
    if (IsGroupHeader(line)) group = TrimBlanks(std::string_view(line).substr(1, line.size() - 2));
    SplitLocalizationEntry(line, key, value);
    if (key.empty()) continue;
    if (group.empty()) {
      map[key] = value;
    } else {
      map[group + "::" + key] = value;
      map.try_emplace(key, value);
    }
  }
}

std::string LocalizationMemoryResource::GetString(const std::string& key, const std::string& group) {
  auto it = map.find(group.empty() ? key : group + "::" + key);
  return it == map.end() ? key : it->second;
}

void LocalizationMemoryResource::Close() {
  Unregister();
  map.clear();
}
