#include "shell/highscore.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kMaxNameLength = 255;  // the record's length byte

void AppendRecord(std::string& bytes, int score, const std::string& name) {
  const auto value = static_cast<uint32_t>(score);
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xffu));
  // Longer names are cut here, so a record always says how long it is.
  const size_t length = std::min<size_t>(name.size(), kMaxNameLength);
  bytes.push_back(static_cast<char>(length));
  bytes.append(name, 0, length);
}

}  // namespace

THighscoreItemPtr THighscoreItem::Create(int score, const std::string& name) {
  auto item = std::make_shared<THighscoreItem>();
  item->score = score;
  item->name = name;
  return item;
}

int THighscoreItem::Compare(const THighscoreItem* other) const {
  return other == nullptr || other->score > score ? 1 : 0;
}

int THighscoreItem::CompareFunc(const THighscoreItem* a, const THighscoreItem* b) {
  return b == nullptr || b->score < a->score ? 1 : 0;
}

std::shared_ptr<THighscore> THighscore::Create(const std::string& path) {
  auto table = std::make_shared<THighscore>();
  table->path = path;
  table->Init();
  table->Load();
  return table;
}

void THighscore::Print(const std::string& line) const {
  if (print) {
    print(line);
  } else {
    std::printf("%s\n", line.c_str());
  }
}

void THighscore::Init() {
  for (int i = 0; i < kEntries; ++i) list[i] = std::make_shared<THighscoreItem>();
  Open();
}

void THighscore::Open() {
  // Only a missing file is replaced by the default table: one that merely
  // cannot be opened for writing still holds the player's scores. A FIFO or
  // device holds no scores and counts as missing.
  stream_ = drawing::Stream::Open(path, true, false);
  const int kind = drawing::FileType(path);
  if (!stream_ && (kind == drawing::FILETYPE_NONE || kind == drawing::FILETYPE_OTHER)) {
    createhiscoresfile();
    Print("created highscorefile");
    stream_ = drawing::Stream::Open(path, true, false);
  }
  Close();
}

void THighscore::createhiscoresfile() {
  static const char* const kNames[6] = {"Create", "Your", "Own", "Sudoku", "Game", "Have fun!"};
  std::string bytes;
  for (int i = 0; i < 6; ++i) AppendRecord(bytes, 150 - 25 * i, kNames[i]);
  for (int i = 6; i < kEntries; ++i) {
    const THighscoreItem* item = list[i].get();
    AppendRecord(bytes, item ? item->score : 0, item ? item->name : std::string());
  }
  drawing::WriteFileAtomically(path, bytes);
  Close();
}

void THighscore::Load() {
  stream_ = drawing::Stream::Open(path, true, false);
  if (stream_) {
    for (int i = 0; i < kEntries && !stream_->Eof(); ++i) {
      const int score = stream_->ReadInt();
      const int length = stream_->ReadByte();
      std::string name = stream_->ReadString(length);
      // A record cut off by the end of the file is not taken.
      if (stream_->Failed()) break;
      list[i] = THighscoreItem::Create(score, name);
    }
  }
  Close();
}

std::string THighscore::Serialize() const {
  std::string bytes;
  for (int i = 0; i < kEntries; ++i) {
    const THighscoreItem* item = list[i].get();
    AppendRecord(bytes, item ? item->score : 0, item ? item->name : std::string());
  }
  return bytes;
}

void THighscore::Save() {
  // Written beside the file and renamed over it, so that a crash or a full
  // disk never leaves the table half written.
  if (!drawing::WriteFileAtomically(path, Serialize())) Print("could not save " + path);
  Close();
}

void THighscore::AddScore(int index, int score, const std::string& name) {
  if (index < 0 || index > kEntries) return;
  list[index] = THighscoreItem::Create(score, name);
}

void THighscore::SortList() {
  // Empty slots are skipped; the slots after the last item keep what they
  // held.
  std::vector<THighscoreItemPtr> items;
  for (const THighscoreItemPtr& item : list)
    if (item) items.push_back(item);
  // Stable: an item moves ahead of another only when it scores higher, so
  // an older entry stays ahead of a new one with the same score.
  std::stable_sort(items.begin(), items.end(), [](const THighscoreItemPtr& q, const THighscoreItemPtr& p) {
    return p->Compare(q.get()) == 1;
  });
  for (size_t i = 0; i < items.size(); ++i) list[i] = items[i];
}

void THighscore::Close() {
  if (stream_) stream_->Close();
  stream_.reset();
}
