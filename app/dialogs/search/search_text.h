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
};
// Reads a tidied text. Text that does not begin with A-G names no root.
SearchTextReading ReadSearchText(const std::string& text);

// The first line that begins with prefix, case ignored (an empty prefix
// begins every line); -1 when none does.
int FindLineStartingWith(const std::vector<std::string>& lines, const std::string& prefix);
