// adif2kvx-cli: one conversion with the options the command line gives.
#include <CLI/CLI.hpp>
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
#include "refdata/close_contest_names.h"
#include "refdata/contest_argument.h"
#include "refdata/state_pick_list.h"
#include "refdata/state_table.h"

namespace {

constexpr const char* kVersion = "adif2kvx-cli " ADIF2KVX_VERSION;

// Exit codes of the tool.
enum ExitCode {
  kExitConverted = 0,  // the run went to the end
  kExitFileError = 1,  // a file could not be read or written, or the results could not be printed
  kExitUsage = 2,      // wrong arguments or a failed dialog check; nothing was written
};

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

// The answer to a --contest value that names no contest: the closest catalogue names, if any,
// and where to find them all, instead of the whole catalogue.
int unknownContest(const std::string& value) {
  const std::vector<const char*> names = closeContestNames(value);
  std::string message = "unknown contest \"" + value + "\"";
  for (size_t i = 0; i < names.size(); ++i) {
    message += i == 0 ? "; did you mean " : i + 1 < names.size() ? ", " : " or ";
    message += std::string("\"") + names[i] + "\"";
  }
  if (!names.empty()) message += "?";
  return usageError(message, formatText("Run \"adif2kvx-cli --list-contests\" for all %d contest names.\n",
                                        static_cast<int>(kContestCount)));
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Converts an ADIF contest log into a KOLVEX import file (.kvx) and names file (.kvn).", "adif2kvx-cli"};
  std::string input, contest, state, format = "KOLVEX8", group = "0", note, output;
  bool noUpload = false, label = false, exchgSerial = false, noFrequency = false;
  bool listContests = false, listStates = false, version = false;

  app.add_option("INPUT", input, "the ADIF log to convert");
  app.add_option("--contest", contest,
                 "a catalogue name in any letter case (\"CQ WPX\"), a code 0-44 or an ADIF contest id "
                 "(\"CQ-WPX-CW\"; \"FL-QSO-PARTY\" also gives the state); default: the contest the log's "
                 "CONTEST_ID names");
  app.add_option("--state", state,
                 "State QSO Party state: a state-list name (\"Alabama\", \"7/IN/NE/MARAC\") or its code "
                 "(\"AL\", \"7QP\", \"NEQP\", \"MULTI\")");
  app.add_option("--format", format, "KOLVEX6 or KOLVEX8 (default KOLVEX8)");
  app.add_option("--group", group, "group number, default 0 (0-253 for KOLVEX6, 0-65533 for KOLVEX8)");
  app.add_option("--note", note, "QSO note written into every note line, cut to 63 characters");
  app.add_option("--output", output, "the import file; default: INPUT with the extension .kvx");
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

  ConversionRequest request;
  ConversionJob& options = request.options;
  if (!contest.empty()) {
    const std::optional<ContestChoice> choice = parseContestArgument(contest);
    if (!choice) return unknownContest(contest);
    options.contest = choice->contest;
    options.stateNumber = choice->state;  // a party id's state; --state wins
  }
  if (!state.empty()) {
    const StateNumber number = findStateNumber(state.c_str());
    if (number < 0) return usageError("unknown state \"" + state + "\"; the states are:", stateList());
    options.stateNumber = number;
  }
  if (format == "KOLVEX6" || format == "KOLVEX8") {
    options.importFormat = format == "KOLVEX6" ? ImportFormat::Kolvex6 : ImportFormat::Kolvex8;
  } else {
    return usageError("unknown format \"" + format + "\"; the formats are:", "  KOLVEX6\n  KOLVEX8\n");
  }
  options.upload = noUpload ? 0 : 1;
  options.label = label ? 1 : 0;
  options.appendExchange = options.appendSerial = exchgSerial ? 1 : 0;
  options.includeFrequency = noFrequency ? 0 : 1;
  request.inputPath = input;
  request.outputPath = output.empty() && !input.empty() ? derivedName(input, ".kvx") : output;
  request.groupNumberText = group;
  request.noteText = note;
  request.contestFromLog = true;
  // Test switch for the tool's own tests: the names file's replacement fails, and the output
  // file's, done just before, has to be undone.
  request.failSecondReplacement = std::getenv("ADIF2KVX_TEST_FAIL_SECOND_RENAME") != nullptr;
  InterruptCleanup interruptCleanup;
  request.temporaryFiles = &interruptCleanup;

  const ConversionResult result = convertLog(request);
  if (result.status == ConversionStatus::Converted) {
    // The files stay in place: they are whole, only the report of them was lost.
    if (const int error = printResults(result.lines); error != 0) {
      std::fprintf(stderr, "adif2kvx-cli: can't write the results: %s\n", std::strerror(error));
      return kExitFileError;
    }
    return kExitConverted;
  }
  std::fprintf(stderr, "%s\n", result.error.c_str());
  if (result.unnamedContestId) {
    const char* pointer = "choose one with --contest (--list-contests shows them).";
    if (result.unnamedContestId->empty()) {
      std::fprintf(stderr, "The log names no contest; %s\n", pointer);
    } else {
      std::fprintf(stderr, "The log's CONTEST_ID %s is not one of the %d contests; %s\n",
                   result.unnamedContestId->c_str(), static_cast<int>(kContestCount), pointer);
    }
  }
  return result.status == ConversionStatus::CheckFailed ? kExitUsage : kExitFileError;
}
