#include "refdata/contest_choice.h"

#include "core/ascii_text.h"
#include "core/contest_table.h"
#include "core/text_format.h"

namespace {

bool inCatalogue(ContestKind contest) { return contestName(static_cast<int32_t>(contest)) != nullptr; }

}  // namespace

std::string contestChoiceName(const ContestChoice& choice) {
  const char* name = contestName(static_cast<int32_t>(choice.contest));
  if (name == nullptr) return std::string();
  const char* state = stateNameOf(choice.state);
  if (!contestNeedsState(choice.contest) || state == nullptr) return name;
  return std::string(name) + " (" + state + ")";
}

bool sameContest(const ContestChoice& a, const ContestChoice& b) {
  if (!inCatalogue(a.contest) || a.contest != b.contest) return false;
  return !contestNeedsState(a.contest) || a.state == b.state;
}

std::string contestMismatchWarning(std::string_view inputPath, const ContestChoice& logContest,
                                   std::string_view contestId, const ContestChoice& runContest) {
  if (!inCatalogue(logContest.contest) || !inCatalogue(runContest.contest) || sameContest(logContest, runContest)) {
    return std::string();
  }
  // Built by parts: the path and the id arrive as views, not as NUL-terminated texts.
  std::string text(inputPath);
  text += " names the contest ";
  text += contestChoiceName(logContest);
  text += " (CONTEST_ID ";
  text += trimAsciiSpace(contestId);
  text += "); it was converted as ";
  text += contestChoiceName(runContest);
  text += '.';
  return text;
}

std::string severalContestsWarning(std::string_view inputPath, const std::vector<std::string>& contestIds,
                                   const ContestChoice& runContest, bool someRecordsOnly) {
  constexpr size_t kIdsNamed = 3;
  if (contestIds.size() < 2) return std::string();
  std::string ids;
  for (size_t i = 0; i < contestIds.size() && i < kIdsNamed; ++i) {
    if (i > 0) ids += ", ";
    ids += contestIds[i];
  }
  if (contestIds.size() > kIdsNamed) ids += formatText(" and %d more", static_cast<int>(contestIds.size() - kIdsNamed));
  return std::string(inputPath) +
         formatText(" names %d contests (%s); all %s QSOs were converted as %s.", static_cast<int>(contestIds.size()),
                    ids.c_str(), someRecordsOnly ? "converted" : "its", contestChoiceName(runContest).c_str());
}

std::string unnamedContestWarning(std::string_view inputPath, int32_t unnamed, int32_t qsos,
                                  const ContestChoice& runContest) {
  if (unnamed <= 0 || unnamed >= qsos) return std::string();
  return std::string(inputPath) + formatText(": %d of its %d QSOs name no contest; all were converted as %s.", unnamed,
                                             qsos, contestChoiceName(runContest).c_str());
}
