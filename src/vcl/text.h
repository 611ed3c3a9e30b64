#pragma once
// Text helpers. Above this layer every text is UTF-8 in a std::string; the
// Win32 calls take UTF-16, converted here.
#include <string>
#include <string_view>

namespace vcl {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// Drops leading and trailing blanks and control characters (code units <= ' ').
std::string Trim(std::string_view text);

// Length in UTF-16 code units: what the system counts in a name.
std::size_t Utf16Length(std::string_view utf8);

} // namespace vcl
