// The four time formats of the program's labels, hints and logs.
#pragma once

#include <cstdint>
#include <string>

namespace voltaro::monitor {

// Minutes as "1 h 35 m", or "35 m" under an hour (the left column's "Time").
std::string hm(std::uint32_t minutes);
// Seconds as "1:30", hours unpadded, minutes always two digits (the gadget).
std::string nicehm(std::uint32_t seconds);
// Seconds as "2 hr 1 min", or "1 min" under an hour (the tray hint).
std::string hrmin(std::uint32_t seconds);
// Seconds as "1 min 1 sec", or "59 sec" under a minute (the discharge log).
std::string minsec(std::uint32_t seconds);

}  // namespace voltaro::monitor
