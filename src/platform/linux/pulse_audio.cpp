#include "platform/linux/pulse_audio.h"

#include <pulse/pulseaudio.h>
#include <pulse/simple.h>

#include <cstring>
#include <functional>

namespace voltaro::platform {

namespace {
constexpr std::size_t kRiffHeaderBytes = 12;
constexpr std::size_t kChunkHeaderBytes = 8;
constexpr std::uint16_t kPcmFormat = 1;

std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t le16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
bool tagIs(std::span<const std::uint8_t> b, std::size_t at, const char* tag) {
  return std::memcmp(b.data() + at, tag, 4) == 0;
}
}  // namespace

std::optional<WavClip> parseWav(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kRiffHeaderBytes || !tagIs(bytes, 0, "RIFF") || !tagIs(bytes, 8, "WAVE")) {
    return std::nullopt;
  }
  WavClip clip;
  bool haveFormat = false;
  std::size_t at = kRiffHeaderBytes;
  while (at + kChunkHeaderBytes <= bytes.size()) {
    const std::uint32_t size = le32(bytes, at + 4);
    const std::size_t body = at + kChunkHeaderBytes;
    if (size > bytes.size() - body) return std::nullopt;  // truncated chunk
    if (tagIs(bytes, at, "fmt ") && size >= 16) {
      if (le16(bytes, body) != kPcmFormat) return std::nullopt;
      clip.channels = le16(bytes, body + 2);
      clip.sampleRate = le32(bytes, body + 4);
      clip.bitsPerSample = le16(bytes, body + 14);
      haveFormat = true;
    } else if (tagIs(bytes, at, "data")) {
      if (!haveFormat) return std::nullopt;
      clip.samples.assign(bytes.begin() + static_cast<std::ptrdiff_t>(body),
                          bytes.begin() + static_cast<std::ptrdiff_t>(body + size));
      const bool sane = clip.channels >= 1 && clip.channels <= 2 && clip.sampleRate > 0 &&
                        (clip.bitsPerSample == 16 || clip.bitsPerSample == 8);
      return sane ? std::optional<WavClip>(std::move(clip)) : std::nullopt;
    }
    at = body + size + (size & 1U);  // chunks are padded to even sizes
  }
  return std::nullopt;
}

PulseAudio::PulseAudio(const std::array<std::vector<std::uint8_t>, kClipCount>& clips,
                       std::string applicationName)
    : applicationName_(std::move(applicationName)) {
  for (std::size_t i = 0; i < kClipCount; ++i) clips_[i] = parseWav(clips[i]);
  worker_ = std::thread([this] { run(); });
}

PulseAudio::~PulseAudio() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    queue_.clear();
  }
  wake_.notify_all();
  worker_.join();
}

void PulseAudio::play(Clip clip) {
  const auto index = static_cast<std::size_t>(clip) - 1;
  if (index >= kClipCount || !clips_[index]) return;
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(index);
  }
  wake_.notify_one();
}

void PulseAudio::waitUntilIdle() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return queue_.empty() && !playing_; });
}

void PulseAudio::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (stopping_) return;
    const std::size_t index = queue_.front();
    queue_.pop_front();
    playing_ = true;
    lock.unlock();
    playNow(*clips_[index]);
    lock.lock();
    playing_ = false;
    idle_.notify_all();
  }
}

void PulseAudio::playNow(const WavClip& clip) {
  pa_sample_spec sampleFormat{};
  sampleFormat.format = clip.bitsPerSample == 16 ? PA_SAMPLE_S16LE : PA_SAMPLE_U8;
  sampleFormat.channels = static_cast<std::uint8_t>(clip.channels);
  sampleFormat.rate = clip.sampleRate;
  int error = 0;
  pa_simple* stream = pa_simple_new(nullptr, applicationName_.c_str(), PA_STREAM_PLAYBACK, nullptr,
                                    "clip", &sampleFormat, nullptr, nullptr, &error);
  if (stream == nullptr) return;  // no sound server: silence, by design
  if (pa_simple_write(stream, clip.samples.data(), clip.samples.size(), &error) == 0) {
    pa_simple_drain(stream, &error);
  }
  pa_simple_free(stream);
}

namespace {
// One short-lived connection for a volume request: a threaded mainloop, a
// context to the default server, and a wait for each operation's answer.
class VolumeSession {
 public:
  explicit VolumeSession(const char* name) {
    loop_ = pa_threaded_mainloop_new();
    if (loop_ == nullptr) return;
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), name);
    if (context_ == nullptr) return;
    pa_context_set_state_callback(context_, &VolumeSession::onState, loop_);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return;
    if (pa_threaded_mainloop_start(loop_) < 0) return;
    started_ = true;
    pa_threaded_mainloop_lock(loop_);
    for (;;) {
      const pa_context_state_t state = pa_context_get_state(context_);
      if (state == PA_CONTEXT_READY) {
        ready_ = true;
        break;
      }
      if (!PA_CONTEXT_IS_GOOD(state)) break;
      pa_threaded_mainloop_wait(loop_);
    }
    pa_threaded_mainloop_unlock(loop_);
  }
  ~VolumeSession() {
    if (started_) pa_threaded_mainloop_stop(loop_);
    if (context_ != nullptr) {
      pa_context_disconnect(context_);
      pa_context_unref(context_);
    }
    if (loop_ != nullptr) pa_threaded_mainloop_free(loop_);
  }
  bool ready() const { return ready_; }
  pa_context* context() { return context_; }

  // Runs `start` under the loop's lock and waits for the operation it returns.
  bool await(const std::function<pa_operation*()>& start) {
    pa_threaded_mainloop_lock(loop_);
    pa_operation* op = start();
    bool ok = op != nullptr;
    while (op != nullptr && pa_operation_get_state(op) == PA_OPERATION_RUNNING) {
      pa_threaded_mainloop_wait(loop_);
    }
    if (op != nullptr) pa_operation_unref(op);
    pa_threaded_mainloop_unlock(loop_);
    return ok;
  }
  pa_threaded_mainloop* loop() { return loop_; }

 private:
  static void onState(pa_context*, void* loop) {
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
  }
  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  bool started_ = false;
  bool ready_ = false;
};

struct SinkAnswer {
  pa_threaded_mainloop* loop = nullptr;
  bool found = false;
  pa_cvolume volume{};
  bool success = false;
};

void onSink(pa_context*, const pa_sink_info* info, int eol, void* data) {
  auto* answer = static_cast<SinkAnswer*>(data);
  if (eol == 0 && info != nullptr) {
    answer->found = true;
    answer->volume = info->volume;
  }
  if (eol != 0) pa_threaded_mainloop_signal(answer->loop, 0);
}

void onSuccess(pa_context*, int success, void* data) {
  auto* answer = static_cast<SinkAnswer*>(data);
  answer->success = success != 0;
  pa_threaded_mainloop_signal(answer->loop, 0);
}

constexpr const char* kDefaultSink = "@DEFAULT_SINK@";
}  // namespace

std::optional<int> PulseAudio::masterVolume() {
  VolumeSession session(applicationName_.c_str());
  if (!session.ready()) return std::nullopt;
  SinkAnswer answer{session.loop()};
  session.await([&] {
    return pa_context_get_sink_info_by_name(session.context(), kDefaultSink, onSink, &answer);
  });
  if (!answer.found) return std::nullopt;
  const pa_volume_t average = pa_cvolume_avg(&answer.volume);
  return static_cast<int>((static_cast<std::uint64_t>(average) * 100 + PA_VOLUME_NORM / 2) /
                          PA_VOLUME_NORM);
}

bool PulseAudio::setMasterVolume(int percent) {
  VolumeSession session(applicationName_.c_str());
  if (!session.ready()) return false;
  SinkAnswer answer{session.loop()};
  session.await([&] {
    return pa_context_get_sink_info_by_name(session.context(), kDefaultSink, onSink, &answer);
  });
  if (!answer.found) return false;
  const int clamped = percent < 0 ? 0 : (percent > 100 ? 100 : percent);
  pa_cvolume volume = answer.volume;
  pa_cvolume_set(
      &volume, volume.channels,
      static_cast<pa_volume_t>(static_cast<std::uint64_t>(PA_VOLUME_NORM) * clamped / 100));
  session.await([&] {
    return pa_context_set_sink_volume_by_name(session.context(), kDefaultSink, &volume, onSuccess,
                                              &answer);
  });
  return answer.success;
}

bool PulseAudio::setMuted(bool muted) {
  VolumeSession session(applicationName_.c_str());
  if (!session.ready()) return false;
  SinkAnswer answer{session.loop()};
  session.await([&] {
    return pa_context_set_sink_mute_by_name(session.context(), kDefaultSink, muted ? 1 : 0,
                                            onSuccess, &answer);
  });
  return answer.success;
}

}  // namespace voltaro::platform
