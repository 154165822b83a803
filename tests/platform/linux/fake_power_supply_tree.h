// A fake /sys/class/power_supply in a temporary folder: one sub-folder per
// supply, one file per attribute, removed again when the tree goes.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <utility>

class FakePowerSupplyTree {
 public:
  using Attributes = std::initializer_list<std::pair<const char*, const char*>>;

  FakePowerSupplyTree() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "voltaro-sysfs-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
  }
  ~FakePowerSupplyTree() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  FakePowerSupplyTree(const FakePowerSupplyTree&) = delete;
  FakePowerSupplyTree& operator=(const FakePowerSupplyTree&) = delete;

  const std::filesystem::path& root() const { return root_; }
  std::string path(const std::string& supply) const { return (root_ / supply).string(); }

  void add(const std::string& supply, Attributes attributes) {
    std::filesystem::create_directories(root_ / supply);
    for (const auto& [name, value] : attributes) set(supply, name, value);
  }
  // Writes the value with the newline the kernel puts after it.
  void set(const std::string& supply, const std::string& name, const std::string& value) {
    std::ofstream(root_ / supply / name, std::ios::binary | std::ios::trunc) << value << '\n';
  }
  void erase(const std::string& supply, const std::string& name) {
    std::filesystem::remove(root_ / supply / name);
  }
  void removeSupply(const std::string& supply) { std::filesystem::remove_all(root_ / supply); }

 private:
  std::filesystem::path root_;
};
