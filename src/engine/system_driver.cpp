#include "engine/system_driver.h"

#if VOLTARO_HAVE_SYSFS
#include "platform/linux/sysfs_battery_driver.h"
#endif
#if VOLTARO_HAVE_WIN32
#include "platform/windows/win32_battery_driver.h"
#include "platform/windows/win32_device_io.h"
#endif

namespace voltaro::engine {

#if VOLTARO_HAVE_WIN32
namespace {

// The driver together with the system calls it goes through.
class SystemWin32Driver final : public platform::BatteryDriver {
 public:
  SystemWin32Driver() : driver_(io_) {}
  bool createDeviceSet() override { return driver_.createDeviceSet(); }
  void destroyDeviceSet() override { driver_.destroyDeviceSet(); }
  std::optional<std::string> interfacePath(int index) override {
    return driver_.interfacePath(index);
  }
  platform::DeviceHandle open(const std::string& path, platform::OpenFlags flags) override {
    return driver_.open(path, flags);
  }
  void close(platform::DeviceHandle handle) override { driver_.close(handle); }
  std::uint32_t queryTag(platform::DeviceHandle handle, std::uint32_t waitMs) override {
    return driver_.queryTag(handle, waitMs);
  }
  std::optional<std::size_t> queryInformation(platform::DeviceHandle handle,
                                              const platform::BatteryQueryInformation& query,
                                              std::span<std::uint8_t> out) override {
    return driver_.queryInformation(handle, query, out);
  }
  platform::IssueOutcome issueStatus(platform::DeviceHandle handle, platform::RequestId request,
                                     const platform::BatteryWaitStatus& wait) override {
    return driver_.issueStatus(handle, request, wait);
  }
  platform::IssueOutcome issueInformation(platform::DeviceHandle handle,
                                          platform::RequestId request,
                                          const platform::BatteryQueryInformation& query,
                                          std::size_t outBytes) override {
    return driver_.issueInformation(handle, request, query, outBytes);
  }
  platform::PollOutcome poll(platform::RequestId request, std::span<std::uint8_t> out) override {
    return driver_.poll(request, out);
  }
  void cancelIo(platform::DeviceHandle handle) override { driver_.cancelIo(handle); }

 private:
  platform::windows::Win32DeviceIo io_;
  platform::windows::Win32BatteryDriver driver_;
};

}  // namespace
#endif

std::unique_ptr<platform::BatteryDriver> makeSystemDriver(const std::string& powerSupplyRoot,
                                                          std::string& error) {
#if VOLTARO_HAVE_SYSFS
  (void)error;  // a power_supply folder always exists to be read, if empty
  if (!powerSupplyRoot.empty())
    return std::make_unique<platform::SysfsBatteryDriver>(powerSupplyRoot);
  return std::make_unique<platform::SysfsBatteryDriver>();
#elif VOLTARO_HAVE_WIN32
  if (!powerSupplyRoot.empty()) {
    error = "this build has no sysfs battery driver";
    return nullptr;
  }
  return std::make_unique<SystemWin32Driver>();
#else
  error = powerSupplyRoot.empty() ? "this build reads no real battery; use --simulate FILE"
                                  : "this build has no sysfs battery driver";
  return nullptr;
#endif
}

}  // namespace voltaro::engine
