// A filter run aimed at a reference area: the record's burst is set to the
// area before the run (before the dialog, so the dialog shows it), and the
// paths the run made are pushed out to the area's border after it.
#pragma once

#include <unordered_set>
#include <vector>

#include "sdk/FocaraParams.h"
#include "studio/document/Document.h"
#include "studio/document/ReferenceArea.h"

namespace studio {

// The zoom centre at the area's centre (the centre mode user-defined, so the
// plug-in draws from it), the midpoint moved with it so that it keeps its
// offset, and the inner distance at the area's smallest radius.
void aimRecordAtArea(FocaraParams& record, const ReferenceArea& area);

// How the plug-in lays out a line and its copies in paint order: the drop
// shadow just below the line, the sketch copies above it.
LineGroups lineGroupsOf(const FocaraParams& record);

// Remembers the document's paths before a run, to tell the run's own after it.
class AreaPush {
public:
    explicit AreaPush(const Document& before);
    // Pushes out every path made since, grouped as the record that drew them says.
    void apply(Document& after, const ReferenceArea& area, const FocaraParams& record) const;

private:
    std::unordered_set<const Art*> before_;
};

}  // namespace studio
