#pragma once
// The one guard around every user action: a failure inside is shown as the application's default
// error handler would show it, the rest of the action is skipped, and the program goes on.
// No exception crosses the Qt event loop.

#include "logic/files/IoError.h"
#include "logic/services/Messages.h"

#include <exception>
#include <new>

template <typename Action> bool guarded(Messages &messages, Action &&action)
{
    try {
        action();
        return true;
    } catch (const AppError &e) {
        messages.error(e.message());
    } catch (const std::bad_alloc &) {
        messages.error(QStringLiteral("Out of memory"));
    } catch (const std::exception &e) {
        messages.error(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
