// A fresh data folder per test, with helpers to write and read raw files.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fakes/temporary_folder.h"

namespace voltaro::settings::testing {

class TestFolder : public ::testing::Test {
 protected:
  // The data folder path, ending in '/'.
  std::string folder() const { return root_.string() + "/"; }

  void writeRaw(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream out(root_ / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  void writeRaw(const std::string& name, const std::string& text) const {
    writeRaw(name, std::vector<std::uint8_t>(text.begin(), text.end()));
  }
  std::vector<std::uint8_t> readRaw(const std::string& name) const {
    std::ifstream in(root_ / name, std::ios::binary);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
  }
  bool exists(const std::string& name) const { return std::filesystem::exists(root_ / name); }

  voltaro::testing::TemporaryFolder temporary_;
  const std::filesystem::path& root_ = temporary_.path();
};

}  // namespace voltaro::settings::testing
