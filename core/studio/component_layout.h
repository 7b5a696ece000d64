#pragma once
// The automatic layout over the component list: every component's IconX and
// IconY (and the stored position of an icon not placed by hand), with the
// working LayoutColumn and LayoutGroup.

void RecomputeLayout();
