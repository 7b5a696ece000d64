#pragma once
// The Connections window's layout of a studio file as it would be right after
// loading it, without loading it: the links and icon settings each component
// would take from its line.

#include <vector>

#include "core/studio/connections_layout.h"
#include "core/studio/studio_file_reader.h"

// Lays out the components of contents (decoded: the decoded line of each, in
// the same order). False, and nothing laid out, when the studio would not
// load because a line names a type no component has.
bool LayOutStudioFile(const StudioFileContents& contents, const std::vector<DecodedComponentLine>& decoded,
                      std::vector<LayoutComponent>& layout);
