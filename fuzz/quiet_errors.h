#pragma once
// Damaged inputs are expected to raise messages here, and no one is there to
// answer them: they are dropped, once for the whole run.
#include "core/services/error.h"

inline void DropErrorMessages()
{
    static const bool dropped = [] {
        SetErrorPresenter([](const ErrorReport&) {});
        return true;
    }();
    (void)dropped;
}
