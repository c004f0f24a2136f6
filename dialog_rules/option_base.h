#pragma once

#include <cstdint>

// The OK/Cancel protocol of one edited setting: a working copy that is stored when the binding
// object is destroyed, but only after the dialog was accepted.
class TOptionBase {
public:
    virtual ~TOptionBase() = default;
    // The working copy becomes the stored value again (Cancel).
    virtual void Reload() = 0;

    int32_t Accepted = 0; // 1 once the dialog was closed with OK
    TOptionBase* Next = nullptr;
};

// What owns a chain of options: each option prepends itself when it is made, so the chain runs
// from the last option made to the first.
class TOptionChain {
public:
    explicit TOptionChain(TOptionBase* option = nullptr) : Option(option) {}

    void Join(TOptionBase& option) {
        option.Next = Option;
        Option = &option;
    }
    // Every option of the chain, from the head.
    void AcceptAll();
    void RejectAll();

    TOptionBase* Option;
};

inline void TOptionChain::AcceptAll() {
    for (TOptionBase* option = Option; option != nullptr; option = option->Next)
        option->Accepted = 1;
}

inline void TOptionChain::RejectAll() {
    for (TOptionBase* option = Option; option != nullptr; option = option->Next) {
        option->Accepted = 0;
        option->Reload();
    }
}
