#pragma once
// The 40 computer keys that play notes on the Keyboard and frets on the
// Guitar: "1234567890QWERTYUIOPASDFGHJKL;ZXCVBNM,./" read as 4 rows of 10,
// row 0 the digit row, row 3 the bottom row.

namespace TypingMap {

constexpr int Rows = 4;
constexpr int Columns = 10;

// The character of a key code (Qt::Key_...): letters, digits and ; , . /
// stand for themselves, anything else is 0.
char KeyChar(int key);

// Row and column of c (either case) in the map; false when it has none.
bool FindTypingKey(char c, int& row, int& column);

}  // namespace TypingMap
