// UTF-8 to the UTF-16 that the Windows calls take. Windows builds only.
#pragma once

#include <string>
#include <string_view>

namespace voltaro {

std::wstring wide(std::string_view utf8);

}  // namespace voltaro
