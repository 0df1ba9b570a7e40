// adif2kvx-cli: converts each log it is given with the options the command line gives.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "adif2kvx_version.h"
#include "cli/interrupt_cleanup.h"
#include "convert/conversion_service.h"
#include "core/contest_kind.h"
#include "core/import_format.h"
#include "core/text_format.h"
#include "core/utc_moment.h"
#include "refdata/close_names.h"
#include "refdata/contest_argument.h"
#include "refdata/state_argument.h"
#include "refdata/state_pick_list.h"
#include "refdata/state_table.h"

namespace {

constexpr const char* kVersion = "adif2kvx-cli " ADIF2KVX_VERSION;
// The LOG that stands for standard input.
constexpr const char* kStandardInput = "-";

// Exit codes of the tool.
enum ExitCode {
  kExitConverted = 0,  // the run went to the end
  kExitFileError = 1,  // a file could not be read or written, or the results could not be printed
  kExitUsage = 2,      // wrong arguments or a failed dialog check; nothing was written
};
// Of several logs, the call exits with the highest of their codes.

// "A, B or C": the import format names in list order.
std::string formatNames() {
  std::string text;
  for (int32_t value = 0; value < kImportFormatCount; ++value) {
    if (value > 0) text += value + 1 < kImportFormatCount ? ", " : " or ";
    text += importFormatName(value);
  }
  return text;
}

// "0-253 for KOLVEX6, 0-65533 for KOLVEX8": the group numbers each format takes.
std::string groupLimits() {
  std::string text;
  for (int32_t value = 0; value < kImportFormatCount; ++value) {
    const FormatTraits& traits = formatTraits(static_cast<ImportFormat>(value));
    text += formatText("%s0-%d for %s", value > 0 ? ", " : "", static_cast<int>(traits.groupNumberLimit), traits.name);
  }
  return text;
}

// The format of a --format value, its name exactly. Returns nullopt for any other text.
std::optional<ImportFormat> parseFormat(const std::string& name) {
  for (int32_t value = 0; value < kImportFormatCount; ++value) {
    if (name == importFormatName(value)) return static_cast<ImportFormat>(value);
  }
  return std::nullopt;
}

std::string stateList() {
  std::string text;
  for (int32_t position = 0; position < kStatePickCount; ++position) {
    const StateNumber state = statePickListEntry(position);
    text += std::string("  ") + stateCodeOf(state) + "  " + stateNameOf(state) + "\n";
  }
  return text;
}

// Prints the results lines on stdout, one a line; a line that already ends in a newline gets
// no second one. Returns the errno value of a failed write (a full disk, a closed stdout), 0
// when every line reached stdout.
int printResults(const std::vector<std::string>& lines) {
  errno = 0;
  for (const std::string& line : lines) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    if (line.empty() || line.back() != '\n') std::fputc('\n', stdout);
  }
  if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return 0;
  return errno != 0 ? errno : EIO;
}

int usageError(const std::string& message, const std::string& choices) {
  std::fprintf(stderr, "adif2kvx-cli: %s\n%s", message.c_str(), choices.c_str());
  return kExitUsage;
}

// " did you mean "A", "B" or "C"?" for close names; empty when there are none.
std::string didYouMean(const std::vector<const char*>& names) {
  std::string text;
  for (size_t i = 0; i < names.size(); ++i) {
    text += i == 0 ? " did you mean " : i + 1 < names.size() ? ", " : " or ";
    text += std::string("\"") + names[i] + "\"";
  }
  return names.empty() ? text : text + "?";
}

// The answer to a --state value that names no state: the state list, after the closest names.
int unknownState(const std::string& value) {
  const std::string close = didYouMean(closeStateNames(value));
  const std::string message = "unknown state \"" + value + "\";" +
                              (close.empty() ? std::string(" the states are:") : close + " The states are:");
  return usageError(message, stateList());
}

// The answer to a --contest value that names no contest: the closest catalogue names, if any,
// and where to find them all, instead of the whole catalogue.
int unknownContest(const std::string& value) {
  const std::string close = didYouMean(closeContestNames(value));
  const std::string message = "unknown contest \"" + value + "\"" + (close.empty() ? "" : ";" + close);
  return usageError(message, formatText("Run \"adif2kvx-cli --list-contests\" for all %d contest names.\n",
                                        static_cast<int>(kContestCount)));
}

// The answer to a --from or --to value that is not a UTC date and time.
int badBound(const char* option, const std::string& value) {
  return usageError(formatText("%s takes a UTC date and time such as 2026-01-24 or \"2026-01-24 12:00\"; \"%s\" is "
                               "not one.",
                               option, value.c_str()),
                    "");
}

// Converts one log as a call with that log alone would, printing its results (then, byKind, its
// warnings and errors one line per kind) or its error. Returns the log's exit code.
int convertOneLog(ConversionRequest request, const std::string& log, const std::string& output, bool byKind) {
  request.inputPath = log;
  if (log == kStandardInput) request.inputStream = stdin;
  request.outputPath = output.empty() && !log.empty() ? derivedName(log, ".kvx") : output;
  const ConversionResult result = convertLog(request);
  if (result.status == ConversionStatus::Converted) {
    // The files stay in place: they are whole, only the report of them was lost.
    std::vector<std::string> lines = result.lines;
    if (byKind) {
      const std::vector<std::string> kinds = kindLines(result.messageKinds);
      lines.insert(lines.end(), kinds.begin(), kinds.end());
    }
    if (const int error = printResults(lines); error != 0) {
      std::fprintf(stderr, "adif2kvx-cli: can't write the results: %s\n", std::strerror(error));
      return kExitFileError;
    }
    return kExitConverted;
  }
  std::fprintf(stderr, "%s\n", result.error.c_str());
  if (result.unnamedContestId) {
    std::fprintf(stderr, "%s\n",
                 unnamedContestLine(result, "choose one with --contest (--list-contests shows them).").c_str());
  }
  return result.status == ConversionStatus::CheckFailed ? kExitUsage : kExitFileError;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Converts an ADIF contest log into a KOLVEX import file (.kvx) and names file (.kvn).", "adif2kvx-cli"};
  std::vector<std::string> logs;
  const ConversionJob defaults;
  std::string contest, state, format = formatTraits(defaults.importFormat).name, group = "0", note, output;
  bool noUpload = false, label = false, exchgSerial = false, noFrequency = false;
  bool listContests = false, listStates = false, version = false, check = false, onlyContest = false;
  bool byKind = false;
  std::string from, to;

  app.add_option("LOG", logs, "the ADIF logs to convert, each as its own run; - reads standard input");
  app.add_option("--contest", contest,
                 formatText("a catalogue name in any letter case (\"CQ WPX\"), a code 0-%d or an ADIF contest id "
                            "(\"CQ-WPX-CW\"; \"FL-QSO-PARTY\" also gives the state); default: the contest the log's "
                            "CONTEST_ID names",
                            static_cast<int>(kContestCount - 1)));
  app.add_option("--state", state,
                 "State QSO Party state: a state-list name (\"Alabama\", \"7/IN/NE/MARAC\") or its code "
                 "(\"AL\", \"7QP\", \"NEQP\", \"MULTI\"), in any letter case");
  app.add_option("--format", format, formatNames() + " (default " + format + ")");
  app.add_option("--group", group, "group number, default 0 (" + groupLimits() + ")");
  app.add_option("--note", note, "QSO note written into every note line, cut to 63 characters");
  app.add_option("--output", output, "the import file of a single log; default: the LOG with the extension .kvx");
  app.add_flag("--only-contest", onlyContest,
               "convert only the QSOs whose CONTEST_ID names the contest (--contest, or the one the log names)");
  CLI::Option* fromOption = app.add_option(
      "--from", from,
      "convert only QSOs from this UTC date and time on: 2026-01-24, \"2026-01-24 12:00\" or 202601241200");
  CLI::Option* toOption =
      app.add_option("--to", to, "convert only QSOs up to this UTC date and time, its whole minute or day included");
  app.add_flag("--check", check, "read and check the logs and print the results, but write no file");
  app.add_flag("--by-kind", byKind,
               "after the results, print the warnings and errors one line per kind: how many, and the first");
  app.add_flag("--no-upload", noUpload, "mark the QSOs as not to be uploaded");
  app.add_flag("--label", label, "mark the QSOs for a label");
  app.add_flag("--exchg-serial", exchgSerial, "append the received exchange and sent serial to the note line");
  app.add_flag("--no-frequency", noFrequency, "leave the QSO frequency out");
  app.add_flag("--list-contests", listContests, "print the contest names, one a line, in code order");
  app.add_flag("--list-states", listStates, "print the state-list names, one a line, in list order");
  app.add_flag("--version", version, "print the version");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::printf("%s", app.help().c_str());
    return kExitConverted;
  } catch (const CLI::ParseError& error) {
    return usageError(error.what(), app.help());
  }

  if (version) {
    std::printf("%s\n", kVersion);
    return kExitConverted;
  }
  if (listContests || listStates) {
    if (listContests) {
      for (int32_t code = 0; code < kContestCount; ++code) std::printf("%s\n", contestName(code));
    }
    if (listStates) {
      for (int32_t position = 0; position < kStatePickCount; ++position) {
        std::printf("%s\n", stateNameOf(statePickListEntry(position)));
      }
    }
    return kExitConverted;
  }

  if (!output.empty() && logs.size() > 1) {
    return usageError(formatText("--output takes a single log; %d were given.", static_cast<int>(logs.size())), "");
  }

  // No import file can be named after standard input; a check writes none.
  if (output.empty() && !check && std::find(logs.begin(), logs.end(), kStandardInput) != logs.end()) {
    return usageError("a log read from standard input needs --output.", "");
  }

  ConversionRequest request;
  ConversionJob& options = request.options;
  if (!contest.empty()) {
    const std::optional<ContestChoice> choice = parseContestArgument(contest);
    if (!choice) return unknownContest(contest);
    options.contest = choice->contest;
    options.stateNumber = choice->state;  // a party id's state; --state wins
  }
  if (!state.empty()) {
    const StateNumber number = parseStateArgument(state);
    if (number < 0) return unknownState(state);
    options.stateNumber = number;
  }
  if (const std::optional<ImportFormat> chosen = parseFormat(format)) {
    options.importFormat = *chosen;
  } else {
    std::string names;
    for (int32_t value = 0; value < kImportFormatCount; ++value)
      names += std::string("  ") + importFormatName(value) + "\n";
    return usageError("unknown format \"" + format + "\"; the formats are:", names);
  }
  // The window is refused before any log is read, so a mistyped bound writes nothing.
  std::optional<int64_t> fromBound, toBound;
  if (fromOption->count() > 0 && !(fromBound = parseUtcBound(from, WindowEnd::From))) return badBound("--from", from);
  if (toOption->count() > 0 && !(toBound = parseUtcBound(to, WindowEnd::To))) return badBound("--to", to);
  if (fromBound && toBound && *fromBound > *toBound) {
    return usageError("--from " + from + " lies after --to " + to + ".", "");
  }
  request.fromText = from;
  request.toText = to;
  options.onlyContest = onlyContest ? 1 : 0;
  options.upload = noUpload ? 0 : 1;
  options.label = label ? 1 : 0;
  options.appendExchange = options.appendSerial = exchgSerial ? 1 : 0;
  options.includeFrequency = noFrequency ? 0 : 1;
  request.groupNumberText = group;
  request.noteText = note;
  request.contestFromLog = true;
  request.checkOnly = check;
  // Test switch for the tool's own tests: the names file's replacement fails, and the output
  // file's, done just before, has to be undone.
  request.failSecondReplacement = std::getenv("ADIF2KVX_TEST_FAIL_SECOND_RENAME") != nullptr;
  // Test switch: the run ends as by SIGKILL between the two renames, for the next run to repair.
  request.stopBetweenReplacements = std::getenv("ADIF2KVX_TEST_KILL_BETWEEN_RENAMES") != nullptr;
  InterruptCleanup interruptCleanup;
  request.temporaryFiles = &interruptCleanup;

  // No log at all is one run without an input, refused as the dialog refuses it.
  if (logs.empty()) logs.emplace_back();
  int exitCode = kExitConverted;
  for (size_t i = 0; i < logs.size(); ++i) {
    // A signal during an earlier log, once its files were in place, leaves the rest unbegun.
    if (const int signalNumber = interruptCleanup.beginLog(); signalNumber != 0) return 128 + signalNumber;
    if (logs.size() > 1) {
      std::printf("%s==> %s <==\n", i == 0 ? "" : "\n", logs[i].c_str());
      std::fflush(stdout);
    }
    exitCode = std::max(exitCode, convertOneLog(request, logs[i], output, byKind));
  }
  return exitCode;
}
