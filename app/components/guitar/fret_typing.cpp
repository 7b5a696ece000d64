#include "app/components/guitar/fret_typing.h"

#include "app/components/shared/typing_map.h"

namespace {

// Rows 0-3 play frets 0-3; the columns right of the strings play frets 4-7
// on the strings again, so that six strings get columns 6-9 on strings 3-0.
FretKey OnFingerboard(int row, int column, int stringCount)
{
    FretKey typed;
    int string = stringCount - column - 1;
    int fret = row;
    if (column >= stringCount) {
        const int shifted = column - stringCount + (stringCount > 5 ? 2 * stringCount - 10 : 0);
        string = stringCount - shifted - 1;
        fret = row + 4;
    }
    if (string < 0 || string >= stringCount) return typed;
    typed.plays = true;
    typed.fret = fret;
    typed.string = string;
    return typed;
}

FretKey OnTablature(char c, int stringCount, int tabString)
{
    FretKey typed;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    const bool digit = c >= '0' && c <= '9';
    if (!digit && c != 'X') {
        typed.resetsTablature = true;
        return typed;
    }
    const int string = stringCount - tabString - 1;
    if (string < 0 || string >= stringCount) return typed;
    typed.plays = true;
    typed.string = string;
    typed.fret = digit ? c - '0' : -1;
    return typed;
}

}  // namespace

FretKey FretOfKey(char c, int method, int stringCount, int tabString)
{
    int row = 0, column = 0;
    if (!TypingMap::FindTypingKey(c, row, column)) return FretKey();
    if (method == GuitarTyping::Tablature) return OnTablature(c, stringCount, tabString);
    return OnFingerboard(row, column, stringCount);
}
