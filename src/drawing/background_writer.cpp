#include "drawing/background_writer.h"

#include <sys/stat.h>

#include <algorithm>
#include <exception>
#include <filesystem>

#include "drawing/files.h"
#include "drawing/messages.h"

namespace drawing {

BackgroundWriter::BackgroundWriter(DurableFileOps ops) : ops_(std::move(ops)), worker_([this] { Run(); }) {}

BackgroundWriter::~BackgroundWriter() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  worker_.join();
}

namespace {

// Made absolute at once: the job may run after the working folder changed.
std::string Resolved(const std::string& name) {
  std::error_code ec;
  const std::filesystem::path path = std::filesystem::absolute(PathForWriting(name), ec);
  return ec ? PathForWriting(name) : path.string();
}

}  // namespace

void BackgroundWriter::Write(const std::string& name, std::string bytes) {
  Queue(Job{Resolved(name), false, [bytes = std::move(bytes)] { return bytes; }});
}

void BackgroundWriter::Write(const std::string& name, std::function<std::string()> make) {
  Queue(Job{Resolved(name), false, std::move(make)});
}

void BackgroundWriter::Remove(const std::string& name) { Queue(Job{Resolved(name), true, {}}); }

void BackgroundWriter::Queue(Job job) {
  {
    std::lock_guard lock(mutex_);
    const auto same = std::find_if(pending_.begin(), pending_.end(),
                                   [&job](const Job& queued) { return queued.path == job.path; });
    if (same != pending_.end()) {
      *same = std::move(job);
    } else {
      pending_.push_back(std::move(job));
    }
  }
  wake_.notify_one();
}

void BackgroundWriter::Flush() {
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return Idle(); });
}

void BackgroundWriter::UseFileOps(DurableFileOps ops) {
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return Idle(); });
  ops_ = std::move(ops);
}

int BackgroundWriter::Failures() const {
  std::lock_guard lock(mutex_);
  return failures_;
}

bool BackgroundWriter::Failing(const std::string& name) const {
  const std::string path = Resolved(name);
  std::lock_guard lock(mutex_);
  return failing_.count(path) != 0;
}

void BackgroundWriter::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
    if (pending_.empty()) return;  // stopping, and nothing is left to write
    Job job = std::move(pending_.front());
    pending_.erase(pending_.begin());
    busy_ = true;
    const DurableFileOps ops = ops_;
    lock.unlock();

    bool ok = true;
    if (job.remove) {
      // The file a link leads to, and the link stays for the next save. Only
      // a regular file: a folder or FIFO of that name is not ours.
      const std::string target = FollowLinks(job.path);
      struct stat st {};
      if (::lstat(target.c_str(), &st) != 0) {
        // Nothing there: nothing to remove.
      } else if (S_ISREG(st.st_mode)) {
        ok = ops.unlink(target) == 0;
      } else {
        Print("left " + LogValue(target) + " alone: not a regular file");
      }
    } else {
      try {
        ok = WriteFileAtomically(job.path, job.make(), ops);
      } catch (const std::exception&) {  // out of memory making the bytes: the older file stays
        ok = false;
      }
    }
    if (!ok) Print(std::string(job.remove ? "could not remove " : "could not write ") + job.path);

    lock.lock();
    busy_ = false;
    if (ok) {
      failing_.erase(job.path);
    } else {
      ++failures_;
      failing_.insert(job.path);
    }
    if (Idle()) done_.notify_all();
  }
}

}  // namespace drawing
