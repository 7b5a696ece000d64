#include "controls/two_captions.h"

TwoCaptions TwoCaptions::FromText(const QString& text)
{
    constexpr int MaxLength = 127;
    const QString kept = text.left(MaxLength);
    TwoCaptions captions;
    const int bar = kept.indexOf(QLatin1Char('|'));
    captions.split = bar >= 0;
    captions.unchecked = captions.split ? kept.left(bar) : kept;
    captions.checked = captions.split ? kept.mid(bar + 1) : kept;
    return captions;
}
