#include "core/services/error.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

#include "core/services/string_table.h"

const char* const ErrorOverflowText = "INTERNAL ERROR--ERROR BUFFER OVERFLOW";

namespace {

constexpr int InternalErrorMessage = 400;
constexpr std::size_t FormatBufferSize = 480;  // message text as loaded
constexpr std::size_t MaxOutputLength = 511;
// The library raises about ten numbers without text, so this bound is never
// reached in practice; beyond it, a new number is shown every time rather
// than hidden.
constexpr std::size_t MaxUnknownNumbers = 256;

struct ErrorState {
    std::mutex mutex;
    ErrorPresenter presenter;
    std::vector<int> unknownNumbers;  // in order of first report
};

ErrorState& State()
{
    static ErrorState state;
    return state;
}

void PresentOnStandardError(const ErrorReport& report)
{
    std::fprintf(stderr, "%d: %s\n", report.number, report.text.c_str());
}

// False when number was reported before (show nothing this time).
bool RememberUnknownNumber(int number)
{
    ErrorState& state = State();
    std::lock_guard lock(state.mutex);
    auto& list = state.unknownNumbers;
    if (std::find(list.begin(), list.end(), number) != list.end()) return false;
    if (list.size() < MaxUnknownNumbers) list.push_back(number);
    return true;
}

void Present(const ErrorReport& report)
{
    ErrorPresenter presenter;
    {
        std::lock_guard lock(State().mutex);
        presenter = State().presenter;
    }
    if (presenter)
        presenter(report);
    else
        PresentOnStandardError(report);
}

class BoundedOutput {
public:
    // Appends at most what still shows an overflow: one character past the
    // limit is enough to know.
    void Append(const char* text, std::size_t length)
    {
        const std::size_t room = MaxOutputLength + 1 - text_.size();
        text_.append(text, std::min(length, room));
    }
    void Append(const char* text) { Append(text, std::strlen(text)); }
    void Append(char c) { Append(&c, 1); }
    bool Overflowed() const { return text_.size() > MaxOutputLength; }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

}  // namespace

std::string FormatMessageV(const char* format, va_list args)
{
    BoundedOutput out;
    if (format == nullptr) return out.Take();
    char number[32];
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%') {
            out.Append(*p);
        } else {
            const char conversion = *++p;
            switch (conversion) {
            case 's': {
                const char* text = va_arg(args, const char*);
                out.Append(text != nullptr ? text : "");
                break;
            }
            case 'd':
                std::snprintf(number, sizeof number, "%d", va_arg(args, int));
                out.Append(number);
                break;
            case 'l':
            case 'u':
                // The letter after %l is not part of the conversion: "%ld" is
                // the number and then a literal d.
                std::snprintf(number, sizeof number, "%ld", va_arg(args, long));
                out.Append(number);
                break;
            case 'x':
                std::snprintf(number, sizeof number, "%x", va_arg(args, unsigned));
                out.Append(number);
                break;
            case '%': out.Append('%'); break;
            case '\0':
                --p;  // a lone % at the end: dropped, and the loop ends
                break;
            default: break;  // any other pair is dropped and consumes nothing
            }
        }
        if (out.Overflowed()) return ErrorOverflowText;
    }
    return out.Take();
}

std::string FormatMessage(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = FormatMessageV(format, args);
    va_end(args);
    return text;
}

void SetErrorPresenter(ErrorPresenter presenter)
{
    std::lock_guard lock(State().mutex);
    State().presenter = std::move(presenter);
}

ErrorPresenter GetErrorPresenter()
{
    std::lock_guard lock(State().mutex);
    return State().presenter;
}

void ResetUnknownErrorNumbers()
{
    std::lock_guard lock(State().mutex);
    State().unknownNumbers.clear();
}

int Error(int number, ...)
{
    ErrorReport report;
    const char* message = CoreStrings().Find(number);
    if (message == nullptr) {
        if (!RememberUnknownNumber(number)) return 0;
        const char* internal = CoreStrings().Find(InternalErrorMessage);
        char text[FormatBufferSize + 32];
        std::snprintf(text, sizeof text, internal != nullptr ? internal : "%04X", static_cast<unsigned>(number));
        report.text = text;
        report.number = InternalErrorMessage;
        report.helpContext = InternalErrorMessage;
    } else {
        char format[FormatBufferSize];
        std::snprintf(format, sizeof format, "%s", message);
        va_list args;
        va_start(args, number);
        report.text = FormatMessageV(format, args);
        va_end(args);
        report.number = number;
        report.helpContext = number;
    }
    if (!report.text.empty() && report.text[0] >= 'a' && report.text[0] <= 'z')
        report.text[0] = static_cast<char>(report.text[0] - 'a' + 'A');
    Present(report);
    return 1;
}
