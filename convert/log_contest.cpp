#include "convert/log_contest.h"

#include "convert/files/run_files.h"
#include "core/ascii_text.h"
#include "core/contest_id_scan.h"
#include "refdata/contest_ids.h"

std::optional<LogContest> logContestOf(const std::optional<std::string>& contestId) {
  if (!contestId) return std::nullopt;
  const std::optional<ContestChoice> contest = findContestId(*contestId);
  if (!contest) return std::nullopt;
  return LogContest{std::string(trimAsciiSpace(*contestId)), *contest};
}

void noteRecordContests(LogContests& contests, const std::vector<std::string>& recordIds) {
  if (!contests.firstId && !recordIds.empty()) contests.firstId = recordIds.front();
  ++contests.records;
  bool namesOne = false;
  for (const std::string& value : recordIds) {
    const std::string_view id = trimAsciiSpace(value);
    if (id.empty()) continue;
    namesOne = true;
    // A log mostly repeats the id it named last; that needs no lookup.
    if (!contests.ids.empty() && id == contests.lastId) continue;
    contests.lastId = std::string(id);
    const std::optional<ContestChoice> named = findContestId(contests.lastId);
    std::string unmapped;
    if (!named) {
      unmapped = contests.lastId;
      for (char& c : unmapped) c = toAsciiUpper(c);
    }
    const ContestChoice contest = named.value_or(ContestChoice{});
    if (contests.keys.emplace(static_cast<int32_t>(contest.contest), contest.state, std::move(unmapped)).second) {
      contests.ids.push_back(contests.lastId);
    }
  }
  if (!namesOne) ++contests.recordsNamingNone;
}

std::optional<std::string> contestIdIn(std::FILE* input) {
  // The conversion reads the input after the scan: only a stream that can go back is scanned.
  const long start = std::ftell(input);
  if (start < 0) return std::nullopt;
  std::optional<std::string> id = scanContestId(input);
  if (std::fseek(input, start, SEEK_SET) != 0) return std::nullopt;
  return id;
}

std::optional<LogContest> contestNamedBy(std::FILE* input) { return logContestOf(contestIdIn(input)); }

std::optional<LogContest> contestNamedByFile(const std::string& path) {
  OwnedFile input(nullptr, &std::fclose);
  std::string why;
  if (!openFile(path, "rb", &input, &why)) return std::nullopt;
  return contestNamedBy(input.get());
}
