#pragma once

#include <exception>

// Exceptions must not unwind through user32: the window procedures park what a handler throws
// here, and the message loop throws it again once control is back in the program's own code.
void SuspendException(std::exception_ptr exception);
// Throws the parked exception, if any, and forgets it.
void ResumeException();
