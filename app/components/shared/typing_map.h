#pragma once
// The typing map: 40 computer keys, "1234567890QWERTYUIOPASDFGHJKL;ZXCVBNM,./"
// read as 4 rows of 10 (row 0 the digit row), that play notes on the
// Keyboard and the Guitar.

namespace TypingMap {

constexpr int Rows = 4;
constexpr int Columns = 10;
constexpr int Chromatic = 0;
constexpr int Accidental = 1;

// The character of a key (a Qt key code): letters, digits and ; , . /; else 0.
char KeyChar(unsigned key);
// Where a character lies in the map (upper-cased first); false when it does not.
bool FindTypingKey(char c, int& row, int& column);
// The character at a place of the map.
char KeyAt(int row, int column);
// Semitones above the first C that a key plays, or -1 for none. Chromatic:
// every key the next semitone. Accidental: rows 1 and 3 the white keys, rows
// 0 and 2 the black keys between them (rows 2 and 3 continue 0 and 1 ten
// columns on).
int Semitones(int method, int row, int column);

}  // namespace TypingMap
