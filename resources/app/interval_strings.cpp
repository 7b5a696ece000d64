#include "resources/app/app_strings.h"

// The Analyzer's interval texts, numbered 32 + semitones: the simple degree
// in brackets, a tab, the interval's names.
namespace {
const StringTableEntry entries[] = {
    {32, "(1)\tUnison"},
    {33, "(1#/2b)\tAugmented 1st/Minor 2nd"},
    {34, "(2)\tMajor 2nd/Diminished 3rd"},
    {35, "(2#/3b)\tAugmented 2nd/Minor 3rd"},
    {36, "(3)\tMajor 3rd/Diminished 4th"},
    {37, "(4)\tPerfect 4th"},
    {38, "(4#/5b)\tAugmented 4th/Diminished 5th"},
    {39, "(5)\tPerfect 5th"},
    {40, "(5#/6b)\tAugmented 5th/Minor 6th"},
    {41, "(6)\tMajor 6th/Diminished 7th"},
    {42, "(6#/7b)\tAugmented 6th/Minor 7th"},
    {43, "(7)\tMajor 7th"},
};
}  // namespace

std::span<const StringTableEntry> IntervalStrings() { return entries; }
