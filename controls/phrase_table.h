#pragma once
// The phrases that the LED buttons' info texts are built from: each text names
// a phrase by '%' and the phrase's key letter ("%A%c" reads "Take a chord").

#include <string>
#include <vector>

class PhraseTable {
public:
    // The table of strings 7-21 of cantrelctl, built on first use.
    static const PhraseTable& Shared();

    // The phrase of key, or nullptr.
    const char* Find(char key) const;
    // text with each '%' and the key after it replaced by that key's phrase
    // (an unknown key gives nothing; a '%' at the very end is dropped).
    std::string Expand(const char* text) const;

private:
    static constexpr std::size_t MaxPhraseLength = 32;
    struct Entry {
        char key;
        std::string phrase;
    };
    PhraseTable();
    std::vector<Entry> entries_;
};
