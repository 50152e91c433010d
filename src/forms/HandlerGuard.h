#pragma once

#include <QObject>
#include <cstddef>
#include <tuple>
#include <type_traits>
#include <utility>

// Nothing may throw through Qt's event loop: every handler the form kit connects runs inside
// this guard, which reports a run-time error in the error box ("Err# 9, Subscript out of
// range") and lets the program go on.

// Shows the error that is being handled in the error box. Call only from inside a catch block.
void ReportHandlerError() noexcept;

template <class Handler> void RunGuarded(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        ReportHandlerError();
    }
}

namespace handler_guard_detail {
// Calls the handler with as many of the leading signal arguments as it takes, as a slot is.
template <std::size_t N, class Handler, class Arguments>
void CallWithLeading(Handler& handler, Arguments& arguments) {
    auto invocable = []<std::size_t... I>(std::index_sequence<I...>) {
        return std::is_invocable_v<Handler&, std::tuple_element_t<I, Arguments>...>;
    };
    if constexpr (invocable(std::make_index_sequence<N>{})) {
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            handler(std::get<I>(arguments)...);
        }
        (std::make_index_sequence<N>{});
    } else {
        static_assert(N > 0, "the handler does not take the signal's arguments");
        if constexpr (N > 0) CallWithLeading<N - 1>(handler, arguments);
    }
}
} // namespace handler_guard_detail

// QObject::connect with the handler inside the guard. The handler takes the signal's
// arguments, or fewer of them, like any slot; it is disconnected when context is destroyed.
template <class Sender, class Signal, class Handler>
QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, QObject* context,
                                       Handler handler) {
    return QObject::connect(
        sender, signal, context, [handler = std::move(handler)](const auto&... args) mutable {
            RunGuarded([&] {
                auto arguments = std::tie(args...);
                handler_guard_detail::CallWithLeading<sizeof...(args)>(handler, arguments);
            });
        });
}
