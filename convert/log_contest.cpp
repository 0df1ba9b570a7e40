#include "convert/log_contest.h"

#include <algorithm>
#include <utility>

#include "convert/files/run_files.h"
#include "core/adif_reader.h"
#include "core/ascii_text.h"
#include "refdata/contest_ids.h"

std::optional<LogContest> logContestOf(const std::optional<std::string>& contestId) {
  if (!contestId) return std::nullopt;
  const std::optional<ContestChoice> contest = findContestId(*contestId);
  if (!contest) return std::nullopt;
  return LogContest{std::string(trimAsciiSpace(*contestId)), *contest};
}

void noteUnfinishedRecordContests(LogContests& contests, const std::vector<std::string>& recordIds) {
  if (!contests.firstId && !recordIds.empty()) contests.firstId = recordIds.front();
}

void noteRecordContests(LogContests& contests, const std::vector<std::string>& recordIds) {
  noteUnfinishedRecordContests(contests, recordIds);
  ++contests.records;
  bool namesOne = false;
  // The contests the record names, each counted once however many ids name it.
  std::vector<size_t> named;
  for (const std::string& value : recordIds) {
    const std::string_view id = trimAsciiSpace(value);
    if (id.empty()) continue;
    namesOne = true;
    // A log mostly repeats the id it named last; that needs no lookup.
    if (!contests.ids.empty() && id == contests.lastId) {
      named.push_back(contests.lastIndex);
      continue;
    }
    contests.lastId = std::string(id);
    const std::optional<ContestChoice> contestNamed = findContestId(contests.lastId);
    std::string unmapped;
    if (!contestNamed) {
      unmapped = contests.lastId;
      for (char& c : unmapped) c = toAsciiUpper(c);
    }
    const ContestChoice contest = contestNamed.value_or(ContestChoice{});
    const auto key = std::make_tuple(static_cast<int32_t>(contest.contest), contest.state, std::move(unmapped));
    const auto [entry, added] = contests.keys.emplace(key, contests.ids.size());
    if (added) {
      contests.ids.push_back(contests.lastId);
      contests.recordsNaming.push_back(0);
    }
    contests.lastIndex = entry->second;
    named.push_back(entry->second);
  }
  std::sort(named.begin(), named.end());
  named.erase(std::unique(named.begin(), named.end()), named.end());
  for (size_t index : named) ++contests.recordsNaming[index];
  if (!namesOne) ++contests.recordsNamingNone;
}

int32_t recordsNaming(const LogContests& contests, const ContestChoice& contest) {
  int32_t count = 0;
  for (size_t i = 0; i < contests.ids.size(); ++i) {
    const std::optional<ContestChoice> named = findContestId(contests.ids[i]);
    if (named && sameContest(*named, contest)) count += contests.recordsNaming[i];
  }
  return count;
}

std::optional<LogContest> majorityContest(const LogContests& contests) {
  std::optional<LogContest> most;
  int32_t mostRecords = 0;
  // A contest of the catalogue is one entry of ids, whatever ids name it, with its own count.
  for (size_t i = 0; i < contests.ids.size(); ++i) {
    const std::optional<ContestChoice> named = findContestId(contests.ids[i]);
    if (named && contests.recordsNaming[i] > mostRecords) {
      most = LogContest{contests.ids[i], *named};
      mostRecords = contests.recordsNaming[i];
    }
  }
  return most;
}

std::optional<LogContests> logContestsIn(std::FILE* input) {
  // The conversion reads the input after the scan: only a stream that can go back is read.
  const long start = std::ftell(input);
  if (start < 0) return std::nullopt;
  LogContests contests;
  {
    AdifInput adif(input);
    ConversionJob job;
    QsoRecord record{};
    while (readQsoRecord(adif, record, job) == 1) {
      noteRecordContests(contests, adif.recordContestIds);
      record = QsoRecord{};
    }
    noteUnfinishedRecordContests(contests, adif.recordContestIds);
    if (adif.lines.readError() != 0) return std::nullopt;
  }
  if (std::fseek(input, start, SEEK_SET) != 0) return std::nullopt;
  return contests;
}

std::optional<LogContest> contestNamedBy(std::FILE* input) {
  const std::optional<LogContests> contests = logContestsIn(input);
  return contests ? majorityContest(*contests) : std::nullopt;
}

std::optional<LogContest> contestNamedByFile(const std::string& path) {
  OwnedFile input(nullptr, &std::fclose);
  std::string why;
  if (!openFile(path, "rb", &input, &why)) return std::nullopt;
  return contestNamedBy(input.get());
}
