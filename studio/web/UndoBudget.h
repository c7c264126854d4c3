// How much undo the studio keeps: whole documents, bounded by count and by
// memory, since one large drawing can take hundreds of megabytes.
#pragma once

#include <cstddef>
#include <vector>

#include "studio/document/Document.h"

namespace studio::web {

// About what a document's layers and art take in memory.
size_t documentBytes(const Document& document);

// Drops the oldest documents until at most maxCount remain and together they
// take at most maxBytes. The newest stays whatever its size: the last run can
// always be undone.
void trimUndo(std::vector<Document>& history, size_t maxCount, size_t maxBytes);

}  // namespace studio::web
