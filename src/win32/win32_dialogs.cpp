#include "win32/win32_dialogs.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <array>

#include "common/wide_text.h"
#include "dialogs/dialog_texts.h"

namespace voltaro::win32 {

DeferredBox::DeferredBox(platform::Runtime& runtime, std::function<void()> open)
    : timer_(runtime.createTimer()), show_(std::move(open)) {
  timer_->setInterval(0);
  timer_->setHandler([this] {
    timer_->setEnabled(false);
    do {
      again_ = false;
      open_ = true;
      show_();
      open_ = false;
    } while (again_);
  });
}

void DeferredBox::request() {
  if (open_) {
    again_ = true;
    return;
  }
  timer_->setEnabled(true);
}

Win32Confirmation::Win32Confirmation(platform::Runtime& runtime)
    : box_(runtime, [this] {
        const bool question = mode_ == view::ConfirmationMode::YesNo;
        const UINT style = (question ? MB_YESNO | MB_ICONQUESTION : MB_OK | MB_ICONINFORMATION) |
                           MB_SETFOREGROUND | MB_TOPMOST;
        const int answer =
            MessageBoxW(nullptr, wide(boxText(texts_)).c_str(), wide(texts_.title).c_str(), style);
        if (answer == IDYES || answer == IDOK) {
          if (answeredYes) answeredYes();
        } else if (answeredNo) {
          answeredNo();
        }
      }) {}

std::string Win32Confirmation::boxText(const view::ConfirmationTexts& texts) {
  return texts.line0 + "\n" + texts.line1 + "\n" + texts.line2;
}

void Win32Confirmation::showConfirmation(const view::ConfirmationTexts& texts,
                                         view::ConfirmationMode mode) {
  texts_ = texts;
  mode_ = mode;
  box_.request();
}

Win32Advice::Win32Advice(platform::Runtime& runtime)
    : box_(runtime, [this] {
        MessageBoxW(nullptr, wide(dialogs::adviceText(content_)).c_str(),
                    wide(dialogs::kAdviceTitle).c_str(),
                    MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
      }) {}

void Win32Advice::show() {
  if (!box_.open()) box_.request();
}

void Win32Advice::bringToFront() {
  if (!box_.open()) return;
  if (HWND box = FindWindowW(nullptr, wide(dialogs::kAdviceTitle).c_str())) {
    SetForegroundWindow(box);
  }
}

Win32Parameters::Win32Parameters(platform::Runtime& runtime)
    : box_(runtime, [this] {
        if (!shown_) return;
        const int answer = MessageBoxW(nullptr, wide(dialogs::parametersText(content_)).c_str(),
                                       wide(dialogs::kParametersTitle).c_str(),
                                       MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND);
        shown_ = false;
        if (answer == IDYES) {
          if (answeredYes) answeredYes();
        } else if (answeredNo) {
          answeredNo();
        }
      }) {}

void Win32Parameters::show() {
  shown_ = true;
  box_.request();
}

void Win32Errors::report(const std::string& message) {
  last_ = message;
  OutputDebugStringW(wide("Voltaro: " + message + "\n").c_str());
}

void Win32Errors::showError(const std::string& text) {
  last_ = text;
  MessageBoxW(nullptr, wide(text).c_str(), L"Voltaro", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

namespace {
// The chosen path in the system's code page, as the program's file calls
// take it; nullopt when cancelled.
std::optional<std::string> askForFile(const view::FileDialogRequest& request, bool save) {
  std::array<wchar_t, 4096> path{};
  const std::wstring proposed = wide(request.fileName);
  proposed.copy(path.data(), std::min(proposed.size(), path.size() - 1));
  const std::wstring filter = Win32FileDialogs::filterText(request.filter);
  const std::wstring title = wide(request.title);
  const std::wstring folder = wide(request.folder);
  const std::wstring extension = wide(request.defaultExtension);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (save && request.confirmOverwrite) dialog.Flags |= OFN_OVERWRITEPROMPT;
  if (!save) dialog.Flags |= OFN_FILEMUSTEXIST;
  const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (chosen == FALSE) return std::nullopt;
  const int length = WideCharToMultiByte(CP_ACP, 0, path.data(), -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return std::nullopt;
  std::string narrow(static_cast<std::size_t>(length - 1), '\0');
  WideCharToMultiByte(CP_ACP, 0, path.data(), -1, narrow.data(), length, nullptr, nullptr);
  return narrow;
}
}  // namespace

std::wstring Win32FileDialogs::filterText(const std::string& filter) {
  if (filter.empty()) return {};
  std::wstring text = wide(filter);
  for (wchar_t& c : text) {
    if (c == L'|') c = L'\0';
  }
  text.push_back(L'\0');
  text.push_back(L'\0');
  return text;
}

std::optional<std::string> Win32FileDialogs::openFile(const view::FileDialogRequest& request) {
  return askForFile(request, false);
}

std::optional<std::string> Win32FileDialogs::saveFile(const view::FileDialogRequest& request) {
  return askForFile(request, true);
}

}  // namespace voltaro::win32
