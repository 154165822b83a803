// File dialogs that record each request and answer with a scripted path
// (nullopt: the user cancelled).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "view/file_dialog_port.h"

namespace voltaro::fakes {

class FakeFileDialog : public view::FileDialogPort {
 public:
  std::optional<std::string> openFile(const view::FileDialogRequest& request) override {
    openRequests.push_back(request);
    return answer;
  }
  std::optional<std::string> saveFile(const view::FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return answer;
  }

  std::optional<std::string> answer;
  std::vector<view::FileDialogRequest> openRequests;
  std::vector<view::FileDialogRequest> saveRequests;
};

}  // namespace voltaro::fakes
