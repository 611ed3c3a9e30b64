#pragma once
// File and folder helpers over the wide API; paths are UTF-8 texts.
#include <string>

namespace vcl {

// True only when `path` names an existing folder.
bool DirectoryExists(const std::string& path);
// Creates that one folder; a missing parent is not created.
bool CreateDir(const std::string& path);
// True when both paths name one existing file (same volume and file index),
// however the path texts are spelled.
bool SameFile(const std::string& a, const std::string& b);
// Copies `from` over `to`, replacing it; returns false when the copy failed.
bool CopyFileReplacing(const std::string& from, const std::string& to);

// Full path of the running executable.
std::string ExecutablePath();
// Up to and including the last "\" or ":"; and the part after it.
std::string ExtractFilePath(const std::string& path);
std::string ExtractFileName(const std::string& path);
// The system folder (system32), without a trailing backslash.
std::string SystemFolder();

} // namespace vcl
