#include "change_printer.h"

#include <array>
#include <ostream>
#include <string_view>

namespace voltaro::tools {

namespace {
constexpr std::array<std::string_view, 5> kWatched = {"Charge", "Time", "Cycles", "Wear", "Mode"};
}

ChangePrinter::ChangePrinter(std::ostream& out, std::function<std::string()> stamp)
    : out_(out), stamp_(std::move(stamp)) {}

void ChangePrinter::attach(view::ShownTexts& texts) {
  texts.setListener([this](view::Page page, const std::string& caption, const std::string& value) {
    if (page == view::Page::LeftColumn) {
      for (auto watched : kWatched) {
        if (caption == watched) print(caption + ": " + value);
      }
    }
    if (alsoWatch) alsoWatch(page, caption, value);
  });
}

void ChangePrinter::note(const std::string& text) {
  print("> " + text);
}

void ChangePrinter::setHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  print("hint: " + oneLine(hint));
}

void ChangePrinter::showBalloon(const std::string& title, const std::string& text,
                                view::BalloonIcon, std::uint32_t) {
  print("notice: " + title + " / " + text);
}

void ChangePrinter::show(const std::string& text) {
  print("status: " + text);
}

std::string ChangePrinter::oneLine(const std::string& text) {
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\r\n") == 0) {
      line += " | ";
      ++i;
      continue;
    }
    line += text[i];
  }
  return line;
}

TickWatch::TickWatch(platform::Runtime& runtime, ChangePrinter& printer,
                     std::function<bool()> running)
    : timer_(runtime.createTimer()) {
  timer_->setInterval(250);
  timer_->setHandler([this, &printer, running = std::move(running)] {
    const bool now = running();
    if (now == wasRunning_) return;
    wasRunning_ = now;
    printer.note(now ? "monitoring runs" : "monitoring stopped");
  });
  timer_->setEnabled(true);
}

void ChangePrinter::print(const std::string& text) {
  out_ << stamp_() << "  " << text << std::endl;  // watchers read it as it comes
  ++lines_;
}

}  // namespace voltaro::tools
