#pragma once

#include <vector>

// The OK/Cancel protocol of one edited setting: a working copy that is stored when the binding
// object is destroyed, but only after the dialog was accepted.
class TOptionBase {
public:
    virtual ~TOptionBase() = default;
    // The working copy becomes the stored value again (Cancel).
    virtual void Reload() = 0;

    // OK: the working copy is stored when the binding is destroyed.
    void Accept() { accepted_ = true; }
    // Cancel: nothing is stored, and the working copy is the stored value again.
    void Reject() {
        accepted_ = false;
        Reload();
    }
    // Forgets an earlier OK, keeping the working copy: nothing is stored unless OK comes again.
    void Withdraw() { accepted_ = false; }
    bool IsAccepted() const { return accepted_; }

private:
    bool accepted_ = false;
};

// The bindings one dialog edits, in the order they were made. They are not owned: each is a
// member of the dialog, and the dialog's destruction stores the accepted ones, in the reverse
// order of their declaration.
class TOptionBindings {
public:
    TOptionBindings() = default;
    TOptionBindings(const TOptionBindings&) = delete;
    TOptionBindings& operator=(const TOptionBindings&) = delete;

    void Add(TOptionBase& option) { options_.push_back(&option); }
    void AcceptAll() {
        for (TOptionBase* option : options_)
            option->Accept();
    }
    // The latest bound is reloaded first.
    void RejectAll() {
        for (auto option = options_.rbegin(); option != options_.rend(); ++option)
            (*option)->Reject();
    }

private:
    std::vector<TOptionBase*> options_;
};
