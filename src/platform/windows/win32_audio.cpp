#include "platform/windows/win32_audio.h"

#include <algorithm>
#include <cstring>

#include "platform/windows/win32_headers.h"
// After windows.h, which leaves it out when lean.
#include <mmsystem.h>

namespace voltaro::platform::windows {
namespace {

int systemPlaySound(const char* sound, void* module, unsigned long flags) {
  return PlaySoundA(sound, static_cast<HMODULE>(module), flags);
}

std::uint32_t le32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

bool tagAt(std::span<const std::uint8_t> bytes, std::size_t at, const char* tag) {
  return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

// The first mixer's master output line, open while it lives.
class MasterLine {
 public:
  MasterLine() {
    if (mixerOpen(&mixer_, 0, 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR) {
      mixer_ = nullptr;
      return;
    }
    line_.cbStruct = sizeof line_;
    line_.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    found_ = mixerGetLineInfoA(reinterpret_cast<HMIXEROBJ>(mixer_), &line_,
                               MIXER_GETLINEINFOF_COMPONENTTYPE | MIXER_OBJECTF_HMIXER) ==
             MMSYSERR_NOERROR;
  }
  ~MasterLine() {
    if (mixer_ != nullptr) mixerClose(mixer_);
  }
  MasterLine(const MasterLine&) = delete;
  MasterLine& operator=(const MasterLine&) = delete;

  // The line's control of that type (volume, mute), if it has one.
  std::optional<MIXERCONTROLA> control(DWORD type) {
    if (mixer_ == nullptr || !found_) return std::nullopt;
    MIXERCONTROLA control{};
    control.cbStruct = sizeof control;
    MIXERLINECONTROLSA query{};
    query.cbStruct = sizeof query;
    query.dwLineID = line_.dwLineID;
    query.dwControlType = type;
    query.cControls = 1;
    query.cbmxctrl = sizeof control;
    query.pamxctrl = &control;
    if (mixerGetLineControlsA(reinterpret_cast<HMIXEROBJ>(mixer_), &query,
                              MIXER_GETLINECONTROLSF_ONEBYTYPE | MIXER_OBJECTF_HMIXER) !=
        MMSYSERR_NOERROR) {
      return std::nullopt;
    }
    return control;
  }

  // One value for all channels (a uniform request).
  bool details(const MIXERCONTROLA& control, DWORD& value, bool set) {
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = control.dwControlID;
    details.cChannels = 1;
    details.cbDetails = sizeof value;  // MIXERCONTROLDETAILS_UNSIGNED and _BOOLEAN alike
    details.paDetails = &value;
    const auto object = reinterpret_cast<HMIXEROBJ>(mixer_);
    const MMRESULT result =
        set ? mixerSetControlDetails(object, &details,
                                     MIXER_SETCONTROLDETAILSF_VALUE | MIXER_OBJECTF_HMIXER)
            : mixerGetControlDetailsA(object, &details,
                                      MIXER_GETCONTROLDETAILSF_VALUE | MIXER_OBJECTF_HMIXER);
    return result == MMSYSERR_NOERROR;
  }

 private:
  HMIXER mixer_ = nullptr;
  MIXERLINEA line_{};
  bool found_ = false;
};

}  // namespace

AudioCalls AudioCalls::system() {
  return {systemPlaySound};
}

bool isPcmWav(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 12 || !tagAt(bytes, 0, "RIFF") || !tagAt(bytes, 8, "WAVE")) return false;
  bool pcmFormat = false;
  std::size_t at = 12;
  while (bytes.size() - at >= 8) {
    const std::uint32_t size = le32(bytes, at + 4);
    const std::size_t body = at + 8;
    if (size > bytes.size() - body) return false;  // a chunk running past the end
    if (tagAt(bytes, at, "fmt ")) {
      pcmFormat = size >= 16 && (bytes[body] | bytes[body + 1] << 8) == WAVE_FORMAT_PCM;
    } else if (tagAt(bytes, at, "data")) {
      return pcmFormat;
    }
    at = body + size + (size & 1);  // chunks are padded to an even length
    if (at > bytes.size()) return false;
  }
  return false;
}

std::uint32_t valueAtPercent(int percent, std::uint32_t minimum, std::uint32_t maximum) {
  if (maximum <= minimum) return minimum;
  const std::uint64_t range = maximum - minimum;
  const auto share = static_cast<std::uint64_t>(std::clamp(percent, 0, 100));
  return minimum + static_cast<std::uint32_t>((range * share + 50) / 100);
}

int percentOfRange(std::uint32_t value, std::uint32_t minimum, std::uint32_t maximum) {
  if (maximum <= minimum || value <= minimum) return 0;
  if (value >= maximum) return 100;
  const std::uint64_t range = maximum - minimum;
  return static_cast<int>((std::uint64_t{value - minimum} * 100 + range / 2) / range);
}

Win32Audio::Win32Audio(std::array<std::vector<std::uint8_t>, kClipCount> clips,
                       HWND__* commandWindow, AudioCalls calls)
    : clips_(std::move(clips)), commandWindow_(commandWindow), calls_(calls) {
  for (std::size_t i = 0; i < kClipCount; ++i) playable_[i] = isPcmWav(clips_[i]);
}

Win32Audio::~Win32Audio() {
  // An asynchronous clip reads our buffer while it plays: stop it first.
  if (played_) calls_.playSound(nullptr, nullptr, 0);
}

void Win32Audio::play(Clip clip) {
  const auto index = static_cast<std::size_t>(clip) - 1;
  if (index >= kClipCount || !playable_[index]) return;
  played_ = true;
  calls_.playSound(reinterpret_cast<const char*>(clips_[index].data()), nullptr,
                   SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

std::optional<int> Win32Audio::masterVolume() {
  MasterLine line;
  const auto volume = line.control(MIXERCONTROL_CONTROLTYPE_VOLUME);
  DWORD value = 0;
  if (!volume || !line.details(*volume, value, false)) return std::nullopt;
  return percentOfRange(value, volume->Bounds.dwMinimum, volume->Bounds.dwMaximum);
}

bool Win32Audio::setMasterVolume(int percent) {
  MasterLine line;
  const auto volume = line.control(MIXERCONTROL_CONTROLTYPE_VOLUME);
  if (!volume) return false;
  DWORD value = valueAtPercent(percent, volume->Bounds.dwMinimum, volume->Bounds.dwMaximum);
  return line.details(*volume, value, true);
}

bool Win32Audio::setMuted(bool muted) {
  MasterLine line;
  const auto mute = line.control(MIXERCONTROL_CONTROLTYPE_MUTE);
  DWORD value = muted ? 1 : 0;
  return mute && line.details(*mute, value, true);
}

bool Win32Audio::volumeSteps(bool up, int count) {
  if (commandWindow_ == nullptr) return false;
  const LPARAM command = static_cast<LPARAM>(up ? APPCOMMAND_VOLUME_UP : APPCOMMAND_VOLUME_DOWN)
                         << 16;
  for (int i = 0; i < count; ++i) {
    SendMessageA(commandWindow_, WM_APPCOMMAND, reinterpret_cast<WPARAM>(commandWindow_), command);
  }
  return true;
}

}  // namespace voltaro::platform::windows
