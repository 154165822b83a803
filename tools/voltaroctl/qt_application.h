// The application object the Qt parts of voltaroctl-desktop need, made for
// the length of one command unless one exists already (then nullptr): a core
// one for Qt D-Bus's connections, a GUI one for fonts, on the offscreen
// platform when no other is asked for, so it needs no display.
#pragma once

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

namespace voltaro::tools {

std::unique_ptr<QCoreApplication> coreApplication();
std::unique_ptr<QGuiApplication> guiApplication();

}  // namespace voltaro::tools
