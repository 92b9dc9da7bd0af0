// The table of the best 100 scores and its file "highscore.dat".
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "drawing/files.h"

class THighscoreItem {
 public:
  int score = 0;
  std::string name;

  static std::shared_ptr<THighscoreItem> Create(int score, const std::string& name);
  // 1 when `other` is missing or scores higher than this item.
  int Compare(const THighscoreItem* other) const;
  // 1 when `b` is missing or scores lower than `a`.
  static int CompareFunc(const THighscoreItem* a, const THighscoreItem* b);
};

using THighscoreItemPtr = std::shared_ptr<THighscoreItem>;

class THighscore {
 public:
  static constexpr int kEntries = 100;
  // Entries 0 to 99 are the table, best first; 100 is the spare slot a new
  // score is sorted in from.
  std::array<THighscoreItemPtr, kEntries + 1> list;
  std::string path = "highscore.dat";
  // The debug log; standard output unless replaced.
  std::function<void(const std::string&)> print;

  static std::shared_ptr<THighscore> Create(const std::string& path = "highscore.dat");

  void Init();
  void Open();
  void createhiscoresfile();
  void Load();
  void Save();
  void AddScore(int index, int score, const std::string& name);
  void SortList();
  void Close();

  // The file's bytes for entries 0 to 99.
  std::string Serialize() const;

 private:
  void Print(const std::string& line) const;
  drawing::StreamPtr stream_;
};
