#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

class TWindow;

// One row of a window class's response table: a message, a command id (or a range of them), or
// a notification code that the control itself handles when it reaches its parent.
struct TResponse {
    enum TKind { Message, Command, Notify };
    TKind Kind;
    uint32_t Key;
    LRESULT (*Handler)(TWindow& window, WPARAM wParam, LPARAM lParam);
    // The last key the row serves; Key itself for a row of one.
    uint32_t LastKey = Key;
};

// A class's own rows and its base class's table, which is searched after them.
struct TResponseTable {
    const TResponseTable* Base;
    std::span<const TResponse> Rows;

    // The nearest row for this kind and key, most derived class first; null when none.
    const TResponse* Find(TResponse::TKind kind, uint32_t key) const {
        for (const TResponseTable* table = this; table != nullptr; table = table->Base)
            for (const TResponse& row : table->Rows)
                if (row.Kind == kind && row.Key <= key && key <= row.LastKey)
                    return &row;
        return nullptr;
    }
};

namespace response_detail {
template <typename> struct MemberOf;
template <typename C, typename R, typename... A> struct MemberOf<R (C::*)(A...)> {
    using Class = C;
};

template <auto Handler> LRESULT CallCommand(TWindow& window, WPARAM, LPARAM) {
    using C = typename MemberOf<decltype(Handler)>::Class;
    (static_cast<C&>(window).*Handler)();
    return 0;
}

template <auto Handler> LRESULT CallCommandWithId(TWindow& window, WPARAM wParam, LPARAM) {
    using C = typename MemberOf<decltype(Handler)>::Class;
    (static_cast<C&>(window).*Handler)(LOWORD(wParam));
    return 0;
}

template <auto Handler> LRESULT CallMessage(TWindow& window, WPARAM wParam, LPARAM lParam) {
    using C = typename MemberOf<decltype(Handler)>::Class;
    return (static_cast<C&>(window).*Handler)(wParam, lParam);
}
} // namespace response_detail

// Command `id` (menu, accelerator or button click) to `void C::Handler()`.
template <auto Handler> constexpr TResponse OnCommand(uint32_t id) {
    return {TResponse::Command, id, &response_detail::CallCommand<Handler>};
}

// Commands `first` to `last` to `void C::Handler(uint32_t id)`, which learns which one came.
template <auto Handler> constexpr TResponse OnCommandRange(uint32_t first, uint32_t last) {
    return {TResponse::Command, first, &response_detail::CallCommandWithId<Handler>, last};
}

// Message to `LRESULT C::Handler(WPARAM, LPARAM)`.
template <auto Handler> constexpr TResponse OnMessage(uint32_t message) {
    return {TResponse::Message, message, &response_detail::CallMessage<Handler>};
}

// Notification `code` that a control sends its parent, handled by the control's own
// `void C::Handler()`.
template <auto Handler> constexpr TResponse OnNotify(uint32_t code) {
    return {TResponse::Notify, code, &response_detail::CallCommand<Handler>};
}
