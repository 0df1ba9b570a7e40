#include "convert/files/run_files.h"

#include <cerrno>
#include <cstring>

#include "convert/files/file_system.h"
#include "convert/files/interrupted_runs.h"
#include "convert/files/replacement_record.h"
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

RunFiles::RunFiles(TemporaryFileListener* listener, bool failSecondReplacement, bool stopBetweenReplacements)
    : listener_(listener),
      failSecondReplacement_(failSecondReplacement),
      stopBetweenReplacements_(stopBetweenReplacements) {}

RunFiles::~RunFiles() { discard(); }

void RunFiles::discard() {
  if (input_ != nullptr) std::fclose(input_);
  input_ = nullptr;
  bool existed = false;
  std::string why;
  for (WrittenFile& written : written_) {
    NewFile& created = written.created;
    existed = existed || created.file != nullptr || !created.name.empty();
    if (created.file != nullptr) std::fclose(created.file);
    if (!created.name.empty()) removeFile(created.name, &why);
    created = {};
  }
  if (existed && listener_ != nullptr) listener_->temporaryFilesGone();
}

bool RunFiles::openInput(const std::string& inputPath, std::string* err) {
  discard();
  OwnedFile file(nullptr, &std::fclose);
  std::string why;
  if (openFile(inputPath, "rb", &file, &why) && pathKind(inputPath) == PathKind::Folder) why = reason(EISDIR);
  if (why.empty()) {
    input_ = file.release();
    return true;
  }
  *err = why == kHeldElsewhere ? heldFileError(inputPath)
                               : formatText("ERROR: Can't open input file %s: %s", inputPath.c_str(), why.c_str());
  return false;
}

bool RunFiles::openOutputs(const std::string& outputPath, const std::string& namesPath, std::string* err) {
  written_[0].path = outputPath;
  written_[1].path = namesPath;
  for (WrittenFile& written : written_) written.target = linkTarget(written.path);
  // Other runs keep away from this run's files in each folder it writes, from its first file on.
  for (int folder = 0; folder < 2; ++folder) {
    if (marks_[folder] || (folder == 1 && folderOf(written_[1].target) == folderOf(written_[0].target))) continue;
    // A signal must not end the run between the creation and the listener's hearing of it.
    PlacingStep step;
    marks_[folder] = std::make_unique<RunMark>(written_[folder].target);
    if (!marks_[folder]->path().empty() && listener_ != nullptr)
      listener_->temporaryFileCreated(marks_[folder]->path());
  }
  for (WrittenFile& written : written_) {
    std::string why;
    // A file the operator may not write is refused, although its folder would allow replacing it.
    const PathKind kind = pathKind(written.target);
    bool usable = true;
    if (kind == PathKind::Folder) {
      why = reason(EISDIR);
      usable = false;
    } else if (kind == PathKind::File) {
      usable = canWriteInPlace(written.target, &why);
    }
    if (usable) {
      // A signal must not end the run between the creation and the listener's hearing of it.
      PlacingStep step;
      usable = createNewFile(written.target, &written.created, &why);
      if (usable && !written.created.name.empty() && listener_ != nullptr) {
        listener_->temporaryFileCreated(written.created.name);
      }
    }
    if (!usable) {
      *err = writeError(written, why);
      discard();
      return false;
    }
  }
  return true;
}

std::string RunFiles::writeError(const WrittenFile& written, const std::string& why) {
  if (why == kHeldElsewhere) return heldFileError(written.path);
  return formatText("ERROR: Can't write %s file %s: %s", written.what, written.path.c_str(), why.c_str());
}

bool RunFiles::finish(std::string* err) {
  if (input_ != nullptr) std::fclose(input_);  // none when the run read a stream it was given
  input_ = nullptr;
  for (WrittenFile& written : written_) {
    std::string why;
    if (flushToDisk(written.created.file, &why) && std::ferror(written.created.file) != 0) why = reason(EIO);
    if (!why.empty()) {
      *err = writeError(written, why);
      discard();
      return false;
    }
  }
  // Outside signals wait until the listener knows the pair is in place.
  PlacingStep step;
  if (!place(err)) {
    discard();
    return false;
  }
  if (listener_ != nullptr) listener_->filesPlaced();
  return true;
}

bool RunFiles::place(std::string* err) {
  WrittenFile& first = written_[0];
  WrittenFile& second = written_[1];
  // Another run on the same folder waits here, so the pair on disk is always one run's; a pair
  // a killed run left split is put together first.
  RunFolder folder(first.target);
  bool locked = false;
  if (!folder.lock(true, &locked, err)) return false;
  std::string why;
  for (WrittenFile& written : written_) {
    if (!nameNewFile(&written.created, written.target, &why)) {
      *err = writeError(written, why);
      return false;
    }
    const bool closed = std::fclose(written.created.file) == 0;
    written.created.file = nullptr;
    if (!closed) {
      *err = writeError(written, reason(errno));
      return false;
    }
  }
  std::string warning;
  // The record names the pair only when both lie in one folder under the names the run derives.
  const bool recorded = locked && repairRecordedPair(folder, &warning).free &&
                        folderOf(first.target) == folderOf(second.target) &&
                        nameOf(second.target) == namesFileName(nameOf(first.target));
  // The old output file keeps a second name until the names file is in place too, and the
  // record tells a later run how to finish or undo what a killed run left half done.
  std::string kept;
  if (pathKind(first.target) == PathKind::File && !keepOldFile(first.target, &kept, &why)) {
    *err = writeError(first, why);
    return false;
  }
  const ReplacementRecord record{thisProcessId(),       nameOf(first.target),
                                 nameOf(kept),          nameOf(first.created.name),
                                 nameOf(second.target), nameOf(second.created.name)};
  if (recorded && !folder.publishFile(kRecordName, recordBytes(record), &why)) {
    if (!kept.empty()) removeFile(kept, &why);
    *err = writeError(first, why);
    return false;
  }
  if (!renameReplacing(first.created.name, first.target, &why)) {
    if (!kept.empty()) removeFile(kept, &why);
    if (recorded) folder.remove(kRecordName, &why);
    *err = writeError(first, why);
    return false;
  }
  first.created.name.clear();
  if (stopBetweenReplacements_) endProcessAbruptly();
  std::string secondWhy = reason(EACCES);
  if (!failSecondReplacement_ && renameReplacing(second.created.name, second.target, &secondWhy)) {
    second.created.name.clear();
    if (!kept.empty()) removeFile(kept, &why);
    if (recorded) folder.remove(kRecordName, &why);
    flushFolderOf(first.target);
    flushFolderOf(second.target);
    return true;
  }
  // The names file stays as it was, so the output file goes back to what it was too.
  std::string undo;
  const bool undone = kept.empty() ? removeFile(first.target, &undo) : renameReplacing(kept, first.target, &undo);
  if (recorded) folder.remove(kRecordName, &why);
  flushFolderOf(first.target);
  *err = writeError(second, secondWhy);
  if (!undone) {
    *err +=
        formatText("; the output file %s was replaced and could not be put back: %s", first.path.c_str(), undo.c_str());
    if (!kept.empty()) *err += formatText(" (the old one is %s)", kept.c_str());
  }
  return false;
}
