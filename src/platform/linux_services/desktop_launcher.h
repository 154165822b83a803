// Starting what the user named as a program on a Linux desktop, through
// GIO: an executable runs with the rest of the line as its arguments (split
// as a shell would, but never run through a shell), a ".desktop" file
// launches its application, and anything else (a document, an address)
// opens with the desktop's default handler. Nothing is waited for.
#pragma once

#include <string>

namespace voltaro::platform::linux_services {

enum class LaunchWay {
  Program,         // an executable file, alone or with arguments
  DesktopEntry,    // a ".desktop" file
  DefaultHandler,  // a file or address opened by its handler
};

struct LaunchOutcome {
  bool started = false;
  LaunchWay way = LaunchWay::DefaultHandler;
  std::string error;  // why nothing started; empty when started
};

LaunchOutcome launchUserProgram(const std::string& line);

}  // namespace voltaro::platform::linux_services
