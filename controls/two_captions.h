#pragma once
// The label text of a two-state box: up to 127 characters, split at the first
// '|' into the caption of the unchecked state (before) and of the checked
// state (after). Without '|' both states show the whole text.

#include <QString>

struct TwoCaptions {
    QString unchecked;
    QString checked;
    bool split = false;  // whether the text held a '|'

    static TwoCaptions FromText(const QString& text);
};
