#include "health/unread_values.h"

#include <algorithm>

namespace voltaro::health {

void UnreadValues::failed(const std::string& path, std::uint32_t held) {
  unread_.try_emplace(path, Unread{held, known_.contains(path), false});
}

void UnreadValues::replaced(const std::string& path) {
  const auto it = unread_.find(path);
  if (it != unread_.end()) it->second.replaced = true;
}

std::uint32_t UnreadValues::recovered(const std::string& path, ValueKind kind, std::uint32_t memory,
                                      std::uint32_t stored) {
  const auto it = unread_.find(path);
  if (it == unread_.end()) return stored;
  const Unread unread = it->second;
  unread_.erase(it);
  known_.insert(path);
  if (unread.replaced) return memory;
  switch (kind) {
    case ValueKind::Count:
      return stored + (memory - unread.heldAtFailure);
    case ValueKind::Maximum:
      return std::max(stored, memory);
    case ValueKind::Latest:
      return stored;
  }
  return stored;
}

bool UnreadValues::unknown(const std::string& path) const {
  const auto it = unread_.find(path);
  return it != unread_.end() && !it->second.heldKnown && !it->second.replaced;
}

}  // namespace voltaro::health
