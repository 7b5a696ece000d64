#include "app/dialogs/search/search_text.h"

#include "core/theory/notes.h"

QString TidySearchText(const QString& text)
{
    QString tidy = text.left(SearchTextLimit);
    const qsizetype mark = tidy.indexOf(QChar(0xAB));
    if (mark >= 0) {
        tidy.truncate(mark);
        while (tidy.endsWith(QLatin1Char(' '))) tidy.chop(1);
    }
    if (!tidy.isEmpty() && tidy[0].isLower()) tidy[0] = tidy[0].toUpper();
    return tidy;
}

SearchTextReading ReadSearchText(const QString& text)
{
    SearchTextReading reading;
    if (text.isEmpty() || text[0] < QLatin1Char('A') || text[0] > QLatin1Char('G')) return reading;
    int root = NaturalPitchClass(text[0].toLatin1());
    qsizetype at = 1;
    if (at < text.size() && text[at] == QLatin1Char('#')) {
        root = (root + 1) % 12;
        ++at;
    } else if (at < text.size() && text[at] == QLatin1Char('b')) {
        root = (root + 11) % 12;
        ++at;
    }
    while (at < text.size() && text[at] == QLatin1Char(' ')) ++at;
    reading.root = root;
    reading.name = text.mid(at);
    return reading;
}

int FindLineStartingWith(const QStringList& lines, const QString& prefix)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(prefix, Qt::CaseInsensitive)) return int(i);
    return -1;
}
