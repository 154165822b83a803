#include "win32/win32_art.h"

#include <cstdio>
#include <span>

#include "canvas/gdiplus_codec.h"
#include "canvas/gdiplus_headers.h"

namespace voltaro::win32 {

std::span<const std::uint8_t> resourceBytes(const std::string& name) {
  const std::wstring wide(name.begin(), name.end());
  HRSRC found = FindResourceW(nullptr, wide.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(nullptr, found);
  if (loaded == nullptr) return {};
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(loaded));
  return {bytes, static_cast<std::size_t>(SizeofResource(nullptr, found))};
}

Win32Art::~Win32Art() {
  for (auto& [number, icon] : icons_) DestroyIcon(icon);
}

canvas::GdiplusPicture* Win32Art::picture(const std::string& name) {
  auto found = pictures_.find(name);
  if (found != pictures_.end()) return found->second.get();
  auto decoded = canvas::decodePicture(resourceBytes(name));
  return pictures_.emplace(name, std::move(decoded)).first->second.get();
}

std::unique_ptr<canvas::GdiplusPicture> Win32Art::copy(const std::string& name) {
  return canvas::decodePicture(resourceBytes(name));
}

HICON__* Win32Art::trayIcon(int number) {
  auto found = icons_.find(number);
  if (found != icons_.end()) return found->second;
  char name[16];
  std::snprintf(name, sizeof name, "tray_%02d", number);
  HICON icon = nullptr;
  if (canvas::GdiplusPicture* source = picture(name)) source->bitmap().GetHICON(&icon);
  icons_[number] = icon;
  return icon;
}

}  // namespace voltaro::win32
