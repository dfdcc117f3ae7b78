// Runs an event handler so that no error ever leaves it: errors go to the standard error box.
#pragma once

#include "common/userdialogs.h"
#include "common/errors.h"

#include <exception>
#include <new>
#include <utility>

template <class Handler>
void Guarded(UserDialogs& dialogs, Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const TavrelError& e) {
        dialogs.error(e.message());
    } catch (const std::bad_alloc&) {
        dialogs.error(OutOfMemoryMessage());
    } catch (const std::exception& e) {
        dialogs.error(QString::fromLocal8Bit(e.what()));
    }
}
