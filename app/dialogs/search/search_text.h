#pragma once
// How the Search dialog reads a typed name such as "c#m7" or "Bb Major": the
// text tidied as the edit then shows it, the root it names, and the rest that
// picks a line of the name list. Text is UTF-8; what is typed or pasted may
// be anything, so nothing here trusts it.

#include <cstddef>
#include <string>
#include <vector>

// Characters the name edit holds.
constexpr int SearchTextLimit = 99;

// The text as the edit keeps it: at most 99 characters, cut before a '«'
// (a pasted chord's note list) with the blanks before it, and its first
// letter in upper case.
std::string TidySearchText(const std::string& text);

struct SearchTextReading {
    int root = -1;     // pitch class named by the leading A-G (with # or b), or -1
    std::string name;  // what follows the root, leading blanks skipped
    int rootLetter = -1;  // its letter, 0 A .. 6 G
};
// Reads a tidied text. Text that does not begin with A-G names no root.
SearchTextReading ReadSearchText(const std::string& text);

// The line a typed name means, -1 when none. A chord line is "name<tab>
// description", so "Bb m7" and "Bb Minor Seventh" both reach m7. An exact
// match wins over a longer line that merely begins with the text ("Major" is
// the triad, not Major Seventh), in this order: the name as typed; the name,
// case ignored; the description, case ignored; then the first line that begins
// with the text, case ignored (an empty text begins every line); then the
// first description that does.
int FindLineForName(const std::vector<std::string>& lines, const std::string& typed);
