// What the update check asks of the rest of the program: whether the Home
// page (where its version label sits) is showing, and the close request that
// follows the download. The defaults keep a lone check harmless.
#pragma once

namespace voltaro::update {

class UpdateHooks {
 public:
  virtual ~UpdateHooks() = default;
  // True while the main window shows the Home page.
  virtual bool homePageVisible() { return false; }
  // The close request (asks first when "Exit Confirmation" is on).
  virtual void closeRequest() {}
};

}  // namespace voltaro::update
