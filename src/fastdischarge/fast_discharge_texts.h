// The Calibrate page captions of the fast-discharge group and the numbers
// of its skinned controls. The values are written as bare numbers; the page
// draws the unit ("m", "x", "%") beside them.
#pragma once

namespace voltaro::fastdischarge {

inline constexpr const char* kStateCaption = "Fast Discharge";  // "On" or "Off"
inline constexpr const char* kDurationCaption = "Duration";
inline constexpr const char* kCpuLoadCaption = "Add CPU Load";
inline constexpr const char* kBrightnessCaption = "Brightness Level";
inline constexpr const char* kDiscCaption = "Disc Activity";
inline constexpr const char* kTimeLeftCaption = "Time Left";

namespace control {
inline constexpr int kStartStop = 68;
inline constexpr int kDurationDown = 69;
inline constexpr int kDurationUp = 70;
inline constexpr int kCpuLoadToggle = 71;
inline constexpr int kCpuThreadsDown = 72;
inline constexpr int kCpuThreadsUp = 73;
inline constexpr int kBrightnessToggle = 74;
inline constexpr int kBrightnessDown = 75;
inline constexpr int kBrightnessUp = 76;
inline constexpr int kDiscToggle = 77;
inline constexpr int kDiscPercentDown = 78;
inline constexpr int kDiscPercentUp = 79;
}  // namespace control

}  // namespace voltaro::fastdischarge
