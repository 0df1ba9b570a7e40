#include "convert/record_filter.h"

#include <optional>

#include "core/text_format.h"
#include "core/utc_moment.h"
#include "refdata/contest_choice.h"
#include "refdata/contest_ids.h"

namespace {

bool hasWindow(const ConversionJob& job) { return job.fromUtc != 0 || job.toUtc != 0; }

bool namesJobContest(const ConversionJob& job, const std::vector<std::string>& contestIds) {
  if (contestIds.empty()) return false;
  const std::optional<ContestChoice> named = findContestId(contestIds.back());
  return named && sameContest(*named, ContestChoice{job.contest, job.stateNumber});
}

bool insideWindow(const ConversionJob& job, const QsoRecord& record) {
  const std::optional<int64_t> moment = recordUtcMoment(record);
  if (!moment) return false;
  return (job.fromUtc == 0 || *moment >= job.fromUtc) && (job.toUtc == 0 || *moment <= job.toUtc);
}

}  // namespace

bool filtersRecords(const ConversionJob& job) { return job.onlyContest != 0 || hasWindow(job); }

RecordSkip recordSkip(const ConversionJob& job, const QsoRecord& record, const std::vector<std::string>& contestIds) {
  if (job.onlyContest != 0 && !namesJobContest(job, contestIds)) return RecordSkip::OtherContest;
  if (hasWindow(job) && !insideWindow(job, record)) return RecordSkip::OutsideWindow;
  return RecordSkip::None;
}

std::vector<std::string> skipSummary(const ConversionJob& job, const SkipCounts& counts) {
  std::vector<std::string> lines;
  if (job.onlyContest != 0) {
    lines.push_back(
        formatText("Skipped %d of %d QSOs that name another contest or none.", counts.otherContest, counts.read));
  }
  const std::string from = utcBoundText(job.fromUtc), to = utcBoundText(job.toUtc);
  if (job.fromUtc != 0 && job.toUtc != 0) {
    lines.push_back(formatText("Skipped %d of %d QSOs outside %s to %s (UTC).", counts.outsideWindow, counts.read,
                               from.c_str(), to.c_str()));
  } else if (job.fromUtc != 0) {
    lines.push_back(
        formatText("Skipped %d of %d QSOs before %s (UTC).", counts.outsideWindow, counts.read, from.c_str()));
  } else if (job.toUtc != 0) {
    lines.push_back(formatText("Skipped %d of %d QSOs after %s (UTC).", counts.outsideWindow, counts.read, to.c_str()));
  }
  return lines;
}
