#pragma once

// The top-level error display every handler runs under. Qt does not let exceptions cross its
// event loop: a handler's work runs guarded, and an exception that escapes it is shown in the
// error box (ShowException) while the run goes on.

// Runs a piece of a handler so that an exception it throws reaches the user as the error box.
// Returns false when it threw.
template <typename F>
bool RunGuarded(F&& work);

// Shows the exception being handled in the error box; only inside a catch block.
void ShowCurrentException();

template <typename F>
bool RunGuarded(F&& work)
{
    try {
        work();
        return true;
    } catch (...) {
        ShowCurrentException();
        return false;
    }
}
