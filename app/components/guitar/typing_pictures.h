#pragma once
// The pictures of the Guitar's settings dialog, drawn in code in the colours
// of the palette: the computer keys that type (7100), Tablature typing (7103:
// a digit per string, from the lowest string) and Fingerboard typing (7104:
// the keys over the open strings they play).

#include <QPixmap>
#include <QStringList>

class QPalette;

namespace TypingPicture {
constexpr int ComputerKeys = 7100;
constexpr int Tablature = 7103;
constexpr int Fingerboard = 7104;
}  // namespace TypingPicture

// openStrings: the names of the open strings from the lowest (7104 only).
QPixmap MakeTypingPicture(int id, QSize size, qreal devicePixelRatio, const QPalette& palette,
                          const QStringList& openStrings = {});
