// Fixed texts kept scrambled in the binary and restored when used.
#include "common/scramble.h"

namespace voltaro {
namespace {

// Position 1 is odd: odd positions move by 2, even ones by 1.
int shiftAt(std::size_t zeroBasedIndex) {
  return zeroBasedIndex % 2 == 0 ? 2 : 1;
}

// The stored forms; scrambleForA2 of the plain texts.
constexpr std::string_view kProductTitle = "Xpnucsq";
constexpr std::string_view kMakerFolder = "Mfneyjel";
constexpr std::string_view kWebHost = "xpnucsq/mfneyjel0fzboqnf";

}  // namespace

std::string a2(std::string_view scrambled) {
  std::string plain(scrambled);
  for (std::size_t i = 0; i < plain.size(); ++i) {
    const auto code = static_cast<unsigned char>(plain[i]);
    plain[i] = static_cast<char>(static_cast<unsigned char>(code - shiftAt(i)));
  }
  return plain;
}

std::string scrambleForA2(std::string_view plain) {
  std::string scrambled(plain);
  for (std::size_t i = 0; i < scrambled.size(); ++i) {
    const auto code = static_cast<unsigned char>(scrambled[i]);
    scrambled[i] = static_cast<char>(static_cast<unsigned char>(code + shiftAt(i)));
  }
  return scrambled;
}

std::string productTitle() {
  return a2(kProductTitle);
}
std::string makerFolder() {
  return a2(kMakerFolder);
}
std::string webHost() {
  return a2(kWebHost);
}

}  // namespace voltaro
