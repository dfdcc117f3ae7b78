// The one way a window runs its handlers: guarded, then followed by the window's refresh.
#pragma once

#include "common/guard.h"
#include "common/userdialogs.h"

#include <QObject>
#include <cstddef>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

// A window W derives from ActingWindow<W> and has a public refresh() that brings its controls in line
// with the model. Every handler is attached with connectAct where its signal is connected: it runs under
// the error guard (no exception leaves a slot; errors go to the window's error box) and the window's
// refresh follows, also when the handler stopped half-way, so what it changed before the error shows.
template <class Window>
class ActingWindow {
protected:
    explicit ActingWindow(UserDialogs& dialogs) : mActDialogs(dialogs) {}
    ~ActingWindow() = default;

    // Runs one handler the way every handler runs.
    template <class Handler>
    void act(Handler&& handler)
    {
        act(mActDialogs, std::forward<Handler>(handler));
    }
    // The same with other dialogs (errors shown after the event, for handlers inside a cell editor).
    template <class Handler>
    void act(UserDialogs& dialogs, Handler&& handler)
    {
        Guarded(dialogs, std::forward<Handler>(handler));
        static_cast<Window*>(this)->refresh();
    }

    // Connects sender's signal to a handler: a member function of the window or a callable. The handler
    // takes the signal's arguments or none.
    template <class Sender, class Signal, class Handler>
    QMetaObject::Connection connectAct(Sender* sender, Signal signal, Handler handler)
    {
        Window* window = static_cast<Window*>(this);
        return QObject::connect(sender, signal, window, [this, handler](const auto&... args) {
            this->act([&] { Call(static_cast<Window*>(this), handler, args...); });
        });
    }

private:
    // Calls the handler with as many of the signal's leading arguments as it takes.
    template <class Handler, class... Args>
    static void Call(Window* window, const Handler& handler, const Args&... args)
    {
        CallFirst<sizeof...(Args)>(window, handler, std::forward_as_tuple(args...));
    }
    template <class Handler, class Tuple, std::size_t... I>
    static constexpr bool Takes(std::index_sequence<I...>)
    {
        if constexpr (std::is_member_function_pointer_v<Handler>)
            return std::is_invocable_v<const Handler&, Window*, std::tuple_element_t<I, Tuple>...>;
        else
            return std::is_invocable_v<const Handler&, std::tuple_element_t<I, Tuple>...>;
    }
    template <std::size_t N, class Handler, class Tuple>
    static void CallFirst(Window* window, const Handler& handler, const Tuple& args)
    {
        if constexpr (Takes<Handler, Tuple>(std::make_index_sequence<N>())) {
            CallWith(window, handler, args, std::make_index_sequence<N>());
        } else {
            static_assert(N > 0, "the handler takes none of the leading arguments of the signal");
            if constexpr (N > 0)
                CallFirst<N - 1>(window, handler, args);
        }
    }
    template <class Handler, class Tuple, std::size_t... I>
    static void CallWith(Window* window, const Handler& handler, const Tuple& args, std::index_sequence<I...>)
    {
        if constexpr (std::is_member_function_pointer_v<Handler>)
            std::invoke(handler, window, std::get<I>(args)...);
        else
            std::invoke(handler, std::get<I>(args)...);
    }

    UserDialogs& mActDialogs;
};
