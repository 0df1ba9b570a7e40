#include "writer/import_record.h"

#include "core/import_format.h"
#include "writer/line_layout.h"
#include "writer/record_buffer.h"
#include "writer/resolved_contact.h"

namespace {

// One names-file entry per new (call, name) pair of the run.
void writeNamesEntry(std::FILE* namesFile, ConversionJob& job, ImportWriterState& state, const NamesEntry& entry,
                     const FormatTraits& traits) {
  // The pair is kept as logged, so JOHN and John are two entries even though both read John.
  if (!state.nameSet.emplace(entry.call, entry.loggedName).second) return;
  std::fprintf(namesFile, traits.namesEntry, entry.call.c_str(), entry.writtenName.c_str());
  ++job.namesWritten;
}

}  // namespace

void resetImportWriter(ImportWriterState& state) {
  state.bandNoticeGiven = false;
  state.kilohertzNoticeGiven = false;
  state.hertzNoticeGiven = false;
  state.nameSet.clear();
}

int32_t writeImportRecord(MessageLists& lists, std::FILE* importFile, std::FILE* namesFile, const QsoRecord& record,
                          ConversionJob& job, ImportWriterState& state) {
  const ResolvedContact contact = resolveContact(record, job, state);
  appendMessages(lists, contact.notes);
  const FormatTraits& traits = formatTraits(job.importFormat);
  {
    RecordBuffer out(importFile);
    layOutContact(out, job.importFormat, contact);
  }
  if (contact.namesEntry) writeNamesEntry(namesFile, job, state, *contact.namesEntry, traits);

  job.countyText = contact.county;
  if (contact.serialExchange) job.serialExchange = 1;
  return 1;
}
