#pragma once
// The one way a failure reaches the user: a message number from the string
// table, its arguments, and a presenter that shows it.

#include <cstdarg>
#include <functional>
#include <string>

struct ErrorReport {
    std::string text;  // formatted, first letter upper case
    int number = 0;    // the message number as raised (400 for unknown numbers)
    int helpContext = 0;
};

// Shows the report and returns when the user has seen it. The program
// installs a dialog, the command line writes to standard error, tests record.
using ErrorPresenter = std::function<void(const ErrorReport&)>;

// Installs a presenter; an empty one restores the default (standard error).
void SetErrorPresenter(ErrorPresenter presenter);
// The installed presenter (empty: the default), so that a caller can step in
// for a moment and put it back.
ErrorPresenter GetErrorPresenter();

// Formats and presents message `number`. printf-like arguments: %s const char*,
// %d int, %l and %u long, %x unsigned, %% a percent sign. Returns 1 when
// something was presented, 0 when nothing was (an unknown number reported
// before).
int Error(int number, ...);

// The formatter Error uses, exposed for the dialogs that fill in texts of their
// own. Writes at most 511 characters; a longer result becomes the overflow text.
std::string FormatMessage(const char* format, ...);
std::string FormatMessageV(const char* format, va_list args);

// Forgets the unknown numbers reported so far (tests start from a clean run).
void ResetUnknownErrorNumbers();

extern const char* const ErrorOverflowText;
