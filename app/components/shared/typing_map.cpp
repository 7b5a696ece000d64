#include "app/components/shared/typing_map.h"

#include <Qt>

#include <cctype>
#include <cstring>

namespace TypingMap {
namespace {
constexpr char Keys[] = "1234567890QWERTYUIOPASDFGHJKL;ZXCVBNM,./";
constexpr int WhiteSemitones[7] = {0, 2, 4, 5, 7, 9, 11};
constexpr int BlackSemitones[7] = {-1, 1, 3, -1, 6, 8, 10};
}  // namespace

char KeyChar(unsigned key)
{
    switch (key) {
    case Qt::Key_Semicolon: return ';';
    case Qt::Key_Comma: return ',';
    case Qt::Key_Period: return '.';
    case Qt::Key_Slash: return '/';
    default: break;
    }
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return static_cast<char>(key);
    return 0;
}

bool FindTypingKey(char c, int& row, int& column)
{
    if (c == 0) return false;
    const char* at = std::strchr(Keys, std::toupper(static_cast<unsigned char>(c)));
    if (!at) return false;
    const int index = static_cast<int>(at - Keys);
    row = index / Columns;
    column = index % Columns;
    return true;
}

char KeyAt(int row, int column) { return Keys[row * Columns + column]; }

int Semitones(int method, int row, int column)
{
    if (method == Chromatic) return Columns * row + column;
    if (row >= 2) {
        row -= 2;
        column += Columns;
    }
    const int octave = (column / 7) * 12;
    if (row == 1) return octave + WhiteSemitones[column % 7];
    const int black = BlackSemitones[column % 7];
    return black < 0 ? -1 : octave + black;
}

}  // namespace TypingMap
