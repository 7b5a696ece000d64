#pragma once
// Records every message that reaches the user instead of showing it, for the
// life of the object.

#include <string>
#include <vector>

#include "core/services/error.h"

class ErrorRecorder {
public:
    ErrorRecorder()
    {
        ResetUnknownErrorNumbers();
        SetErrorPresenter([this](const ErrorReport& report) { reports.push_back(report); });
    }
    ~ErrorRecorder() { SetErrorPresenter({}); }
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    std::vector<int> Numbers() const
    {
        std::vector<int> numbers;
        for (const auto& r : reports) numbers.push_back(r.number);
        return numbers;
    }
    bool Empty() const { return reports.empty(); }
    void Clear() { reports.clear(); }

    std::vector<ErrorReport> reports;
};
