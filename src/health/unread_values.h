// Value files of the health record that exist but could not be read.
//
// Such a file is not written again until a read succeeds, so a value the user
// has collected for years is never replaced by a count that restarted from 0.
// Meanwhile the value in memory goes on counting; once the file reads again,
// the counts added meanwhile are carried over onto the stored value.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace voltaro::health {

// How the value in memory and the stored value combine once the file reads.
enum class ValueKind {
  Count,    // counted up from what was held: stored + the counts added meanwhile
  Maximum,  // the higher of the two
  Latest,   // a date or a run's length: the stored value, unless memory set a new one
};

class UnreadValues {
 public:
  // A read or write of `path` gave its value in memory a meaning.
  void settled(const std::string& path) { known_.insert(path); }
  // The read of `path` failed while memory held `held`. A later failure of
  // the same lasting fault keeps the first one's figures.
  void failed(const std::string& path, std::uint32_t held);
  bool contains(const std::string& path) const { return unread_.contains(path); }
  // Memory took a value that supersedes whatever the file holds.
  void replaced(const std::string& path);
  // The file reads `stored` again: the value to keep from now on.
  std::uint32_t recovered(const std::string& path, ValueKind kind, std::uint32_t memory,
                          std::uint32_t stored);
  // The file is gone since: memory holds the value to keep.
  void dropped(const std::string& path) { unread_.erase(path); }
  // True when memory stands for nothing that was read or set in this run.
  bool unknown(const std::string& path) const;

 private:
  struct Unread {
    std::uint32_t heldAtFailure = 0;
    bool heldKnown = false;
    bool replaced = false;
  };
  std::map<std::string, Unread> unread_;
  std::set<std::string> known_;
};

}  // namespace voltaro::health
