// Whole-file saves made by one worker thread, so that the caller never
// waits for the disk. Each file keeps only its latest state: a write or
// removal queued while an older one of the same file still waits replaces
// it. Every write goes through the atomic, durable writer.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "drawing/durable_write.h"

namespace drawing {

class BackgroundWriter {
 public:
  explicit BackgroundWriter(DurableFileOps ops = DurableFileOps::System());
  // Finishes every queued job before it returns.
  ~BackgroundWriter();
  BackgroundWriter(const BackgroundWriter&) = delete;
  BackgroundWriter& operator=(const BackgroundWriter&) = delete;

  // Queues the file's new contents; `name` is resolved now, as a write on
  // this thread would resolve it (the player's folder of an installed game).
  void Write(const std::string& name, std::string bytes);
  // The same with the bytes made on the worker thread, so that the caller
  // does not even spend the time to make them; `make` must own all it uses.
  // A job overtaken before it ran is dropped without making its bytes.
  void Write(const std::string& name, std::function<std::string()> make);
  // Queues the file's removal (a regular file only).
  void Remove(const std::string& name);
  // Returns when every job queued before the call is on the disk (or failed).
  void Flush();
  // The system calls later jobs go through (tests and benchmarks slow them
  // down or make them fail); waits for the queued jobs first.
  void UseFileOps(DurableFileOps ops);
  // Jobs that failed since the writer was made; each is logged when it fails.
  int Failures() const;
  // Whether the latest finished job of the file failed: true from a failed
  // write (or removal) until one of the file succeeds. Any thread may ask.
  bool Failing(const std::string& name) const;

 private:
  struct Job {
    std::string path;
    bool remove = false;
    std::function<std::string()> make;
  };
  void Queue(Job job);
  void Run();
  bool Idle() const { return pending_.empty() && !busy_; }

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable done_;
  std::vector<Job> pending_;  // at most one per path, oldest first
  bool busy_ = false;
  bool stopping_ = false;
  int failures_ = 0;
  std::set<std::string> failing_;  // paths whose latest finished job failed
  DurableFileOps ops_;
  std::thread worker_;  // last: it starts once everything above is made
};

}  // namespace drawing
