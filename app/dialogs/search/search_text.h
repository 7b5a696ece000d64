#pragma once
// How the Search dialog reads a typed name such as "c#m7" or "Bb Major": the
// text tidied as the edit then shows it, the root it names, and the rest that
// picks a line of the name list.

#include <QString>
#include <QStringList>

constexpr int SearchTextLimit = 99;

// The text as the edit keeps it: at most 99 characters, cut before a '«'
// (a pasted chord's note list) with the blanks before it, and its first
// letter in upper case.
QString TidySearchText(const QString& text);

struct SearchTextReading {
    int root = -1;  // pitch class named by the leading A-G (with # or b), or -1
    QString name;   // what follows the root, leading blanks skipped
};
// Reads a tidied text. Text that does not begin with A-G names no root.
SearchTextReading ReadSearchText(const QString& text);

// The first line that begins with prefix, case ignored (an empty prefix
// begins every line); -1 when none does.
int FindLineStartingWith(const QStringList& lines, const QString& prefix);
