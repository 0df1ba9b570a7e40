#include "writer/import_record.h"

#include "core/import_format.h"
#include "refdata/state_table.h"
#include "writer/line_layout.h"
#include "writer/record_buffer.h"
#include "writer/resolved_contact.h"

namespace {

// One names-file entry per new (call, name) pair of the run.
void writeNamesEntry(std::FILE* namesFile, ImportWriterState& state, const NamesEntry& entry,
                     const FormatTraits& traits) {
  // The pair is kept as logged, so JOHN and John are two entries even though both read John.
  if (!state.nameSet.emplace(entry.call, entry.loggedName).second) return;
  std::fprintf(namesFile, traits.namesEntry, entry.call.c_str(), entry.writtenName.c_str());
}

}  // namespace

ContestRules contestRulesOf(const ConversionJob& job) {
  return contestRules(job.contest, stateCodeOf(job.stateNumber));
}

void resetImportWriter(ImportWriterState& state) {
  state.notices = {};
  state.nameSet.clear();
}

int32_t writeImportRecord(MessageLists& lists, std::FILE* importFile, std::FILE* namesFile, const QsoRecord& record,
                          const ConversionJob& job, const ContestRules& rules, ImportWriterState& state) {
  const ResolvedContact contact = resolveContact(record, job, rules, state);
  state.notices = contact.notices;
  appendMessages(lists, contact.notes);
  const FormatTraits& traits = formatTraits(job.importFormat);
  {
    RecordBuffer out(importFile);
    layOutContact(out, job.importFormat, contact);
  }
  if (contact.namesEntry) writeNamesEntry(namesFile, state, *contact.namesEntry, traits);
  return 1;
}
