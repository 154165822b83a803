// Fixed texts kept scrambled in the binary and restored when used.
#pragma once

#include <string>
#include <string_view>

namespace voltaro {

// Restores a scrambled literal: the code of each character is lowered by 2 at
// odd positions and by 1 at even positions, counting from 1.
std::string a2(std::string_view scrambled);

// The inverse of a2, used to produce the stored literals.
std::string scrambleForA2(std::string_view plain);

// The restored fixed texts.
std::string productTitle();  // "Voltaro"
std::string makerFolder();   // "Keldwick"
std::string webHost();       // the maker's web host

}  // namespace voltaro
