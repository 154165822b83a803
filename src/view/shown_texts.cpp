#include "view/shown_texts.h"

namespace voltaro::view {

namespace {
const std::string kEmpty;
const std::map<std::string, std::string, std::less<>> kEmptyPage;
}  // namespace

bool ShownTexts::set(Page page, std::string_view caption, std::string value) {
  auto& texts = pages_[page];
  auto it = texts.find(caption);
  if (it != texts.end() && it->second == value) return false;
  if (it == texts.end()) it = texts.emplace(std::string(caption), std::string()).first;
  it->second = std::move(value);
  if (listener_) listener_(page, it->first, it->second);
  return true;
}

const std::string& ShownTexts::get(Page page, std::string_view caption) const {
  auto p = pages_.find(page);
  if (p == pages_.end()) return kEmpty;
  auto it = p->second.find(caption);
  return it == p->second.end() ? kEmpty : it->second;
}

bool ShownTexts::has(Page page, std::string_view caption) const {
  auto p = pages_.find(page);
  return p != pages_.end() && p->second.find(caption) != p->second.end();
}

const std::map<std::string, std::string, std::less<>>& ShownTexts::page(Page page) const {
  auto p = pages_.find(page);
  return p == pages_.end() ? kEmptyPage : p->second;
}

}  // namespace voltaro::view
