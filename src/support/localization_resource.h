// Language resources: one language file each, either read into a key map
// (the kind the game uses) or searched in its open file on every lookup.
//
// File format: "[group]" lines open a group; "key=value" lines define an
// entry (both sides trimmed, the value may hold further "="). Lines before
// the first group belong to no group.
#pragma once

#include <list>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "drawing/files.h"

class LocalizationResource;
using LocalizationResourcePtr = std::shared_ptr<LocalizationResource>;

class LocalizationResource {
 public:
  std::string language;

  virtual ~LocalizationResource() = default;
  virtual std::string GetString(const std::string& key, const std::string& group);
  virtual void Close();

 protected:
  // Resolves the language (from the file name when empty), checks the file
  // and enters the resource into the service's list of open resources.
  static drawing::StreamPtr OpenFile(const std::string& file, std::string& language);
  static void Register(const LocalizationResourcePtr& resource);
  void Unregister();

 private:
  std::optional<std::list<LocalizationResourcePtr>::iterator> _link;
};

class LocalizationStreamingResource : public LocalizationResource {
 public:
  drawing::StreamPtr Stream;

  // An empty language means: take it from the file name.
  static std::shared_ptr<LocalizationStreamingResource> open(const std::string& file, const std::string& language = "");
  std::string GetString(const std::string& key, const std::string& group) override;
  void Close() override;
};

class LocalizationMemoryResource : public LocalizationResource {
 public:
  // "group::key" for grouped entries; bare keys as described in Read().
  std::map<std::string, std::string> map;

  static std::shared_ptr<LocalizationMemoryResource> open(const std::string& file, const std::string& language = "");
  // The value, or the key itself when it is not defined.
  std::string GetString(const std::string& key, const std::string& group) override;
  void Close() override;

  // Fills the map. A bare key keeps its definition from before the first
  // group (the last one), else its first definition in any group; a line
  // without "=" stores the last entry again under the group current there.
  void Read(drawing::Stream& stream);
};

// Splits "key = value" at the first "="; false when the line has none.
bool SplitLocalizationEntry(const std::string& line, std::string& key, std::string& value);
