// POSIX: a narrow path is the file name's bytes, which std::filesystem passes through unchanged.
#include "convert/file_system.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::FILE* openFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

bool pathExists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::path(path), error) && !error;
}

bool isFolder(const std::string& path) {
  std::error_code error;
  return fs::is_directory(fs::path(path), error) && !error;
}

bool isSameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return fs::equivalent(fs::path(a), fs::path(b), error) && !error;
}

std::string renameReplacing(const std::string& from, const std::string& to) {
  if (std::rename(from.c_str(), to.c_str()) == 0) return {};
  return std::strerror(errno);
}

bool removeFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

const char* nullDevicePath() { return "/dev/null"; }
