#include "app/components/shared/typing_map.h"

#include <Qt>

#include <cstring>

namespace TypingMap {

namespace {
constexpr char Keys[] = "1234567890QWERTYUIOPASDFGHJKL;ZXCVBNM,./";
}  // namespace

char KeyChar(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return static_cast<char>(key);
    switch (key) {
    case Qt::Key_Semicolon: return ';';
    case Qt::Key_Comma: return ',';
    case Qt::Key_Period: return '.';
    case Qt::Key_Slash: return '/';
    default: return 0;
    }
}

bool FindTypingKey(char c, int& row, int& column)
{
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    const char* at = c ? std::strchr(Keys, c) : nullptr;
    if (!at) return false;
    const int index = static_cast<int>(at - Keys);
    row = index / Columns;
    column = index % Columns;
    return true;
}

}  // namespace TypingMap
