#pragma once
// Whether the studio differs from its file. Set by the edits that change what
// a save would write; cleared by saving, loading and closing.

bool StudioModified();
void MarkStudioModified();
void ClearStudioModified();
