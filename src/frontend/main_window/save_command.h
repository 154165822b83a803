// The top bar's Save command (act9): it saves what the current page shows,
// the settings, a report or the graph's screenshot.
#pragma once

#include <functional>
#include <string>

#include "frontend/main_window/control_layout.h"
#include "history/screenshot_file.h"

namespace voltaro::engine {
class Engine;
}
namespace voltaro::view {
class StatusLine;
}

namespace voltaro::frontend::main_window {

// Refused with the error sound without a battery and on the Home page; the
// Graph page's screenshot is the window's `graphScreenshot`.
void act9(engine::Engine& engine, PageNumber page, view::StatusLine& status,
          const std::function<void()>& graphScreenshot);

// Saves the graph's screenshot into `folder` with `caption` stamped on it
// (history::saveScreenshot on the window's graph picture).
using ScreenshotSaver =
    std::function<history::ScreenshotResult(const std::string& folder, const std::string& caption)>;

// The screenshot as "VTshot" n ".jpg" in the data folder, taken while no
// tick can redraw the graph, with the outcome on the status line.
void saveGraphScreenshot(engine::Engine& engine, view::StatusLine& status,
                         const ScreenshotSaver& save);

}  // namespace voltaro::frontend::main_window
