#include "framework/pending_exception.h"

#include <utility>

namespace {
std::exception_ptr Pending;
} // namespace

void SuspendException(std::exception_ptr exception) {
    // The first one is the cause; later ones are usually its consequences.
    if (!Pending)
        Pending = std::move(exception);
}

void ResumeException() {
    if (Pending)
        std::rethrow_exception(std::exchange(Pending, nullptr));
}
