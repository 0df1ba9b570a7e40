#include "convert/run_files.h"

#include <cerrno>
#include <cstring>

#include "convert/file_system.h"
#include "core/text_format.h"

namespace {

// Whether two paths name one file: the same text, or one existing file reached two ways.
bool sameFile(const std::string& a, const std::string& b) { return a == b || isSameFile(a, b); }

std::string reason(int error) { return std::strerror(error); }

// A name beside the target that no file has yet, for writing the target's new content.
std::string temporaryNameFor(const std::string& target) {
  for (int attempt = 0;; ++attempt) {
    std::string candidate = target + ".tmp" + (attempt == 0 ? std::string() : std::to_string(attempt));
    if (!pathExists(candidate)) return candidate;
  }
}

// Whether an existing target could be written the way a plain open for writing would: a
// read-only file or a folder is refused before anything is written. A missing target is fine.
int targetWriteError(const std::string& target) {
  if (!pathExists(target)) return 0;
  if (isFolder(target)) return EISDIR;
  std::FILE* probe = openFile(target, "ab");  // opens without truncating
  if (probe == nullptr) return errno;
  std::fclose(probe);
  return 0;
}

}  // namespace

std::string overwriteRefusal(const std::string& inputPath, const std::string& outputPath,
                             const std::string& namesPath) {
  if (sameFile(inputPath, outputPath)) {
    return formatText("ERROR: Output file is the input file: %s", outputPath.c_str());
  }
  if (sameFile(inputPath, namesPath)) {
    return formatText("ERROR: Names file is the input file: %s", namesPath.c_str());
  }
  if (sameFile(outputPath, namesPath)) {
    return formatText("ERROR: Names file is the output file: %s", namesPath.c_str());
  }
  return {};
}

RunFiles::~RunFiles() { discard(); }

void RunFiles::discard() {
  if (input_ != nullptr) std::fclose(input_);
  input_ = nullptr;
  for (WrittenFile& written : written_) {
    if (written.file != nullptr) std::fclose(written.file);
    written.file = nullptr;
    if (!written.temp.empty()) removeFile(written.temp);
    written.temp.clear();
  }
  if (listener_ != nullptr) listener_->temporaryFilesGone();
}

std::string RunFiles::openInput(const std::string& inputPath) {
  discard();
  input_ = openFile(inputPath, "rb");
  const int inputProblem = input_ == nullptr ? errno : isFolder(inputPath) ? EISDIR : 0;
  if (inputProblem != 0) {
    discard();
    return formatText("ERROR: Can't open input file %s: %s", inputPath.c_str(), reason(inputProblem).c_str());
  }
  return {};
}

std::string RunFiles::openOutputs(const std::string& outputPath, const std::string& namesPath) {
  written_[0].path = outputPath;
  written_[1].path = namesPath;
  for (WrittenFile& written : written_) {
    int problem = targetWriteError(written.path);
    if (problem == 0) {
      written.temp = temporaryNameFor(written.path);
      if (listener_ != nullptr) listener_->temporaryFileCreated(written.temp);
      written.file = openFile(written.temp, "wb");
      if (written.file == nullptr) {
        problem = errno;
        written.temp.clear();
      }
    }
    if (problem != 0) {
      const std::string text = writeError(written, reason(problem));
      discard();
      return text;
    }
  }
  return {};
}

std::string RunFiles::writeError(const WrittenFile& written, const std::string& why) {
  return formatText("ERROR: Can't write %s file %s: %s", written.what, written.path.c_str(), why.c_str());
}

std::string RunFiles::finish() {
  std::fclose(input_);
  input_ = nullptr;
  for (WrittenFile& written : written_) {
    errno = 0;
    const bool failed = std::ferror(written.file) != 0;
    const bool closeFailed = std::fclose(written.file) != 0;
    const int problem = errno;
    written.file = nullptr;
    if (failed || closeFailed) {
      const std::string text = writeError(written, reason(problem != 0 ? problem : EIO));
      discard();
      return text;
    }
  }
  for (WrittenFile& written : written_) {
    if (const std::string why = renameReplacing(written.temp, written.path); !why.empty()) {
      const std::string text = writeError(written, why);
      discard();
      return text;
    }
    written.temp.clear();
  }
  if (listener_ != nullptr) listener_->temporaryFilesGone();
  return {};
}
