#include "convert/run_files.h"

#include <cerrno>
#include <cstring>

#include "convert/replacement_record.h"
#include "core/text_format.h"

namespace {

// Whether two paths name one file: the same text, or one existing file reached two ways.
bool sameFile(const std::string& a, const std::string& b) { return a == b || isSameFile(a, b); }

std::string reason(int error) { return std::strerror(error); }

}  // namespace

std::string heldFileError(const std::string& path) {
  return formatText("ERROR: %s is open in another program; close it there and convert again.", path.c_str());
}

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
  // Replacing a device or a FIFO by a plain file would break whatever uses it.
  if (pathKind(outputPath) == PathKind::Other) {
    return formatText("ERROR: Output file %s is not a regular file.", outputPath.c_str());
  }
  if (pathKind(namesPath) == PathKind::Other) {
    return formatText("ERROR: Names file %s is not a regular file.", namesPath.c_str());
  }
  return {};
}

RunFiles::~RunFiles() { discard(); }

void RunFiles::discard() {
  if (input_ != nullptr) std::fclose(input_);
  input_ = nullptr;
  bool existed = false;
  for (WrittenFile& written : written_) {
    NewFile& created = written.created;
    existed = existed || created.file != nullptr || !created.name.empty();
    if (created.file != nullptr) std::fclose(created.file);
    if (!created.name.empty()) removeFile(created.name);
    created = {};
  }
  if (existed && listener_ != nullptr) listener_->temporaryFilesGone();
}

std::string RunFiles::openInput(const std::string& inputPath) {
  discard();
  input_ = openFile(inputPath, "rb");
  const int inputProblem = input_ == nullptr ? errno : pathKind(inputPath) == PathKind::Folder ? EISDIR : 0;
  if (inputProblem != 0) {
    discard();
    if (inputProblem == EBUSY) return heldFileError(inputPath);
    return formatText("ERROR: Can't open input file %s: %s", inputPath.c_str(), reason(inputProblem).c_str());
  }
  return {};
}

std::string RunFiles::openOutputs(const std::string& outputPath, const std::string& namesPath) {
  written_[0].path = outputPath;
  written_[1].path = namesPath;
  for (WrittenFile& written : written_) written.target = linkTarget(written.path);
  if (!mark_) mark_ = std::make_unique<RunMark>(written_[0].target);
  for (WrittenFile& written : written_) {
    std::string why;
    // A file the operator may not write is refused, although its folder would allow replacing it.
    const PathKind kind = pathKind(written.target);
    if (kind == PathKind::Folder) why = reason(EISDIR);
    if (kind == PathKind::File) why = writeAccessProblem(written.target);
    if (why.empty()) {
      // A signal must not end the run between the creation and the listener's hearing of it.
      PlacingStep step;
      why = createNewFile(written.target, written.created);
      if (why.empty() && !written.created.name.empty() && listener_ != nullptr) {
        listener_->temporaryFileCreated(written.created.name);
      }
    }
    if (!why.empty()) {
      const std::string text = writeError(written, why);
      discard();
      return text;
    }
  }
  return {};
}

std::string RunFiles::writeError(const WrittenFile& written, const std::string& why) {
  if (why == kHeldElsewhere) return heldFileError(written.path);
  return formatText("ERROR: Can't write %s file %s: %s", written.what, written.path.c_str(), why.c_str());
}

std::string RunFiles::finish() {
  if (input_ != nullptr) std::fclose(input_);  // none when the run read a stream it was given
  input_ = nullptr;
  for (WrittenFile& written : written_) {
    std::string why = flushToDisk(written.created.file);
    if (why.empty() && std::ferror(written.created.file) != 0) why = reason(EIO);
    if (!why.empty()) {
      const std::string text = writeError(written, why);
      discard();
      return text;
    }
  }
  // Another run on the same output waits here, so the pair on disk is always one run's.
  PlacingStep step(written_[0].target);
  const std::string error = place();
  if (!error.empty()) {
    discard();
  } else if (listener_ != nullptr) {
    listener_->filesPlaced();
  }
  return error;
}

std::string RunFiles::place() {
  for (WrittenFile& written : written_) {
    if (const std::string why = nameNewFile(written.created, written.target); !why.empty()) {
      return writeError(written, why);
    }
    const bool closed = std::fclose(written.created.file) == 0;
    written.created.file = nullptr;
    if (!closed) return writeError(written, reason(errno));
  }
  WrittenFile& first = written_[0];
  WrittenFile& second = written_[1];
  // The old output file keeps a second name until the names file is in place too, and the
  // record tells a later run how to finish or undo what a killed run left half done.
  std::string kept;
  if (pathKind(first.target) == PathKind::File) {
    if (const std::string why = keepOldFile(first.target, kept); !why.empty()) return writeError(first, why);
  }
  const ReplacementRecord record{thisProcessId(),    first.target,  kept,
                                 first.created.name, second.target, second.created.name};
  const std::string recordPath = replacementRecordPath(first.target);
  if (const std::string why = writeReplacementRecord(record); !why.empty()) {
    if (!kept.empty()) removeFile(kept);
    return writeError(first, why);
  }
  if (const std::string why = renameReplacing(first.created.name, first.target); !why.empty()) {
    if (!kept.empty()) removeFile(kept);
    removeFile(recordPath);
    return writeError(first, why);
  }
  first.created.name.clear();
  if (stopBetweenReplacements_) endProcessAbruptly();
  const std::string why = failSecondReplacement_ ? reason(EACCES) : renameReplacing(second.created.name, second.target);
  if (why.empty()) {
    second.created.name.clear();
    if (!kept.empty()) removeFile(kept);
    removeFile(recordPath);
    flushFolderOf(first.target);
    flushFolderOf(second.target);
    return {};
  }
  // The names file stays as it was, so the output file goes back to what it was too.
  const std::string undo =
      kept.empty() ? (removeFile(first.target) ? std::string() : reason(errno)) : renameReplacing(kept, first.target);
  removeFile(recordPath);
  flushFolderOf(first.target);
  std::string text = writeError(second, why);
  if (!undo.empty()) {
    text +=
        formatText("; the output file %s was replaced and could not be put back: %s", first.path.c_str(), undo.c_str());
    if (!kept.empty()) text += formatText(" (the old one is %s)", kept.c_str());
  }
  return text;
}
