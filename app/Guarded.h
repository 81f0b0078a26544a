#pragma once

#include "app/UserDialogs.h"

#include <exception>
#include <functional>

namespace korvelt {

// Runs an event handler; an exception it throws is shown in an error box and the program
// goes on, the handler's remaining steps skipped.
inline void Guarded(UserDialogs &dialogs, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        dialogs.ShowError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        dialogs.ShowError(QString());
    }
}

} // namespace korvelt
