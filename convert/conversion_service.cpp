#include "convert/conversion_service.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>

#include "convert/conversion_driver.h"
#include "convert/files/run_files.h"
#include "convert/input_copy.h"
#include "convert/log_contest.h"
#include "convert/record_filter.h"
#include "core/ascii_text.h"
#include "core/contest_table.h"
#include "core/import_format.h"
#include "core/message_lists.h"
#include "core/text_format.h"
#include "core/text_number.h"
#include "core/utc_moment.h"

std::string derivedName(const std::string& path, const std::string& extension) {
  if (path.empty()) return path;
  // Only the file name's own dot counts: "C:\my.logs\wpx" is the file "wpx" in "C:\my.logs".
  const size_t slash = path.find_last_of("/\\");
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < nameStart) return path + extension;
  return path.substr(0, dot) + extension;
}

std::string unnamedContestLine(const ConversionResult& result, const std::string& howToChoose) {
  if (!result.unnamedContestId) return {};
  if (result.unnamedContestId->empty()) return "The log names no contest; " + howToChoose;
  return formatText("The log's CONTEST_ID %s is not one of the %d contests; %s", result.unnamedContestId->c_str(),
                    static_cast<int>(kContestCount), howToChoose.c_str());
}

namespace {

// A failed check: its "ERROR: " text and the choice it is about. No failure has an empty text.
struct CheckFailure {
  std::string error;                        // the "ERROR: " text
  RequestField field = RequestField::None;  // the choice at fault
};

// The first of the two files that is not chosen; empty when both are.
CheckFailure missingFile(const ConversionRequest& request) {
  if (request.inputPath.empty()) return {"ERROR: Didn't specify input file.", RequestField::Input};
  if (request.outputPath.empty()) return {"ERROR: Didn't specify output file.", RequestField::Output};
  return {};
}

// A window bound as typed into job's field; an empty text is no bound (0).
// Returns false for a text that is not a bound.
bool takeBound(const std::string& text, WindowEnd end, int64_t& bound) {
  const std::optional<int64_t> parsed = parseUtcBound(text, end);
  bound = parsed.value_or(0);
  return parsed || trimAsciiSpace(text).empty();
}

// The first of the other choices that fails; empty when every choice passes. On success the
// group number is the typed text's value and the job holds the window.
CheckFailure firstFailedChoice(ConversionJob& options, const ConversionRequest& request, int32_t& groupNumber) {
  const std::string& groupNumberText = request.groupNumberText;
  if (static_cast<int32_t>(options.contest) < 0) return {"ERROR: Didn't select a contest.", RequestField::Contest};
  if (contestNeedsState(options.contest) && options.stateNumber < 0) {
    return {"ERROR: Didn't select a state.", RequestField::State};
  }
  if (groupNumberText.empty()) return {"ERROR: Must specify a group number.", RequestField::GroupNumber};
  const int32_t limit = formatTraits(options.importFormat).groupNumberLimit;
  groupNumber = textToInt(groupNumberText.c_str());
  if (groupNumber < 0 || groupNumber > limit) {
    return {formatText("ERROR: Group number must be between 0-%d inclusive.", limit), RequestField::GroupNumber};
  }
  if (!takeBound(request.fromText, WindowEnd::From, options.fromUtc)) {
    return {"ERROR: From (UTC) is not a date and time such as 2026-01-24 12:00.", RequestField::From};
  }
  if (!takeBound(request.toText, WindowEnd::To, options.toUtc)) {
    return {"ERROR: To (UTC) is not a date and time such as 2026-01-24 12:00.", RequestField::To};
  }
  return {};
}

// The results lines of a finished run: counts, the format to import with, then the summary,
// warnings and errors, each list followed by an empty line when it holds any.
// A check-only run says what it read instead, and has no file to import.
std::vector<std::string> resultLines(const RunCounts& counts, const ConversionRequest& request,
                                     const std::string& namesPath, const ConversionJob& job,
                                     const MessageLists& lists) {
  std::vector<std::string> lines;
  if (request.checkOnly) {
    lines.push_back(formatText("Checked %d QSOs of %s; no file was written.", counts.qsos, request.inputPath.c_str()));
    lines.emplace_back();
  } else {
    lines.push_back(formatText("Wrote %d QSOs to %s", counts.qsos, request.outputPath.c_str()));
    if (counts.names > 0) lines.push_back(formatText("Wrote %d names to %s", counts.names, namesPath.c_str()));
    lines.emplace_back();
    lines.push_back(formatText("Import this file as %s format.", formatTraits(job.importFormat).name));
    lines.emplace_back();
  }
  for (int list = kSummaryList; list <= kErrorsList; ++list) {
    const std::vector<std::string>& messages = messagesOf(lists, list);
    lines.insert(lines.end(), messages.begin(), messages.end());
    if (!messages.empty()) lines.emplace_back();
  }
  return lines;
}

// The error of a run that ran out of memory.
std::string outOfMemoryError(const std::string& inputPath) {
  return formatText("ERROR: Out of memory while reading %s.", inputPath.c_str());
}

ConversionResult failed(ConversionStatus status, std::string error) {
  ConversionResult result;
  result.status = status;
  result.error = std::move(error);
  return result;
}

ConversionResult checkFailed(const CheckFailure& failure) {
  ConversionResult result = failed(ConversionStatus::CheckFailed, failure.error);
  result.failedField = failure.field;
  return result;
}

// convertLog without its guard against running out of memory.
ConversionResult convertLogUnguarded(const ConversionRequest& request) {
  if (const CheckFailure failure = missingFile(request); !failure.error.empty()) return checkFailed(failure);

  // A pair that a killed run left split is put together before anything else, and what ended
  // runs left beside it goes, even when this run then fails. A check changes no file.
  std::string recordWarning;
  if (!request.checkOnly) {
    std::string error;
    if (!tidyOutputFolder(linkTarget(request.outputPath), &recordWarning, &error)) {
      return failed(ConversionStatus::FileError, error);
    }
  }

  ConversionJob job = request.options;
  RunFiles files(request.temporaryFiles, request.failSecondReplacement, request.stopBetweenReplacements);
  // Without a chosen contest the log has to be read to find its own, before the contest check.
  const bool contestFromLog = request.contestFromLog && static_cast<int32_t>(job.contest) < 0;
  // The log as the run reads it: the file `files` opened, the stream given, or a copy of either.
  std::FILE* input = nullptr;
  OwnedFile copy(nullptr, &std::fclose);
  // A log that cannot go back (a pipe, standard input) is read from a copy: the contest scan and
  // a log without a header both need a second reading.
  // Returns false with the "ERROR: " text in *err.
  const auto openInput = [&](std::string* err) {
    input = request.inputStream;
    if (input == nullptr) {
      if (!files.openInput(request.inputPath, err)) return false;
      input = files.input();
    }
    if (canReadAgain(input)) return true;
    if (!copyInput(input, request.inputPath, &copy, err)) return false;
    input = copy.get();
    return true;
  };
  std::optional<LogContest> named;
  // The contests the log's records name, read before the run when the contest comes from the log
  // or the contest filter needs to know whether any record names one.
  std::optional<LogContests> logContests;
  const bool inputOpenedFirst = contestFromLog || job.onlyContest != 0;
  if (inputOpenedFirst) {
    std::string error;
    if (!openInput(&error)) return failed(ConversionStatus::FileError, error);
    logContests = logContestsIn(input);
  }
  if (contestFromLog) {
    std::string error;
    named = logContests ? majorityContest(*logContests) : std::nullopt;
    if (named) {
      job.contest = named->contest.contest;
      if (job.stateNumber < 0) job.stateNumber = named->contest.state;
    } else if (!checkLogStart(input, request.inputPath, &error)) {
      // A log that gives no result is told as such, not as a contest the operator forgot.
      return failed(ConversionStatus::FileError, error);
    }
  }

  int32_t groupNumber = 0;
  CheckFailure failure = firstFailedChoice(job, request, groupNumber);
  const std::string namesPath = derivedName(request.outputPath, ".kvn");
  // A check writes nothing, so it can overwrite nothing.
  if (failure.error.empty() && !request.checkOnly) {
    // Standard input is no file that the run could overwrite.
    failure = {overwriteRefusal(request.inputStream != nullptr ? std::string() : request.inputPath, request.outputPath,
                                namesPath),
               RequestField::Output};
  }
  if (!failure.error.empty()) {
    ConversionResult result = checkFailed(failure);
    if (contestFromLog && static_cast<int32_t>(job.contest) < 0) {
      const std::optional<std::string> firstId = logContests ? logContests->firstId : std::nullopt;
      result.unnamedContestId = std::string(trimAsciiSpace(firstId.value_or("")));
    }
    return result;
  }

  if (!request.checkOnly && request.mayReplace && pathKind(request.outputPath) == PathKind::File &&
      !request.mayReplace(request.outputPath)) {
    return failed(ConversionStatus::Declined, {});
  }

  job.groupNumber = groupNumber;
  const size_t noteLength = std::min(request.noteText.size(), static_cast<size_t>(kNoteSize - 1));
  std::memcpy(job.note, request.noteText.data(), noteLength);
  job.note[noteLength] = '\0';

  std::string error;
  // A check writes its import and names lines into streams that keep nothing.
  OwnedFile importSink(nullptr, &std::fclose), namesSink(nullptr, &std::fclose);
  if (!inputOpenedFirst && !openInput(&error)) return failed(ConversionStatus::FileError, error);
  if (request.checkOnly) {
    // A stream that opens no file can only fail for want of memory.
    if (!openDiscardingStream(&importSink, &error) || !openDiscardingStream(&namesSink, &error)) {
      return failed(ConversionStatus::FileError, outOfMemoryError(request.inputPath));
    }
  } else if (!files.openOutputs(request.outputPath, namesPath, &error)) {
    return failed(ConversionStatus::FileError, error);
  }
  std::FILE* const importFile = request.checkOnly ? importSink.get() : files.output();
  std::FILE* const namesFile = request.checkOnly ? namesSink.get() : files.names();

  MessageLists lists;
  const ContestChoice runContest{job.contest, job.stateNumber};
  if (named && logContests->ids.size() > 1) {
    addMessage(kSummaryList, lists,
               formatMessage("Contest: %s, from the log's CONTEST_ID %s, which %d of its %d QSOs name.",
                             contestChoiceName(runContest).c_str(), named->contestId.c_str(),
                             static_cast<int>(recordsNaming(*logContests, named->contest)),
                             static_cast<int>(logContests->records)));
  } else if (named) {
    addMessage(kSummaryList, lists,
               formatMessage("Contest: %s, from the log's CONTEST_ID %s.", contestChoiceName(runContest).c_str(),
                             named->contestId.c_str()));
  }
  // A filter with nothing to filter by would skip every QSO: the whole log is converted instead.
  const bool filterNotApplied = job.onlyContest != 0 && logContests && logContests->ids.empty();
  if (filterNotApplied) job.onlyContest = 0;
  LogContests contests;
  RunCounts counts;
  // Nothing of a half-read log, or of one without a header, is kept: the new files go with `files`.
  if (!runConversion(lists, input, request.inputPath, importFile, namesFile, job, &counts, &error, &contests)) {
    return failed(ConversionStatus::FileError, error);
  }
  // The run found the log's contest ids as it read, so a given contest costs no second reading.
  // The warnings about them concern the whole log and lead the warnings.
  if (!named) named = logContestOf(contests.firstId);
  // A record left alone was found before the log was read; empty warnings are dropped below.
  std::vector<std::string> logWarnings = {recordWarning};
  if (named) {
    logWarnings.push_back(contestMismatchWarning(request.inputPath, named->contest, named->contestId, runContest));
  }
  if (filterNotApplied) {
    logWarnings.push_back(request.inputPath + ": no QSO names a contest, so the contest filter was not applied.");
  }
  const std::string several = severalContestsWarning(request.inputPath, contests.ids, runContest, filtersRecords(job));
  logWarnings.push_back(several);
  const int32_t namingRunContest = recordsNaming(contests, runContest);
  if (!several.empty() && job.onlyContest == 0 && namingRunContest > 0) {
    logWarnings.push_back(
        request.inputPath +
        formatText(": Only this contest's QSOs (--only-contest) converts just the %d QSOs that name %s.",
                   static_cast<int>(namingRunContest), contestChoiceName(runContest).c_str()));
  }
  logWarnings.push_back(
      unnamedContestWarning(request.inputPath, contests.recordsNamingNone, contests.records, runContest));
  // Each is said once per run, so its text is its kind.
  std::vector<MessageText> logMessages;
  for (const std::string& warning : logWarnings) {
    if (!warning.empty()) logMessages.emplace_back(warning, warning);
  }
  prependMessages(kWarningsList, lists, logMessages);
  if (!request.checkOnly && !files.finish(&error)) return failed(ConversionStatus::FileError, error);

  ConversionResult result;
  result.status = ConversionStatus::Converted;
  result.lines = resultLines(counts, request, namesPath, job, lists);
  result.messageKinds = groupMessageKinds(lists);
  result.notice = counts.qsos == 1 ? formatText("1 QSO written to %s", request.outputPath.c_str())
                                   : formatText("%d QSOs written to %s", counts.qsos, request.outputPath.c_str());
  result.qsoCount = counts.qsos;
  result.namesWritten = counts.names;
  result.namesPath = namesPath;
  result.job = job;
  return result;
}

}  // namespace

ConversionResult convertLog(const ConversionRequest& request) {
  try {
    return convertLogUnguarded(request);
  } catch (const std::bad_alloc&) {
    // The run's new files went with the unwinding; the old ones are as they were.
    return failed(ConversionStatus::FileError, outOfMemoryError(request.inputPath));
  }
}
