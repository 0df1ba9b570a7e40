// Lays a worked-out contact out in the columns of its import format.
#pragma once
#include "core/import_format.h"
#include "writer/record_buffer.h"
#include "writer/resolved_contact.h"

// Appends the contact's two lines: the columns, every one exactly its width (a value is
// padded with blanks on the side its alignment leaves free), then the note line, each with
// CR LF. Never fails.
void layOutContact(RecordBuffer& out, ImportFormat format, const ResolvedContact& contact);
