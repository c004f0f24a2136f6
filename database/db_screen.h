#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class TOptions;

// How a run of the options dialog ended, as far as the table reader cares.
enum class TDialogOutcome {
    Ok,         // accepted: the settings may name another table, try again
    Cancelled,  // any other ending: the reader stays not loaded
    Unavailable // this program offers no options dialog
};

// What the learner chose for a table that may be read but not written.
enum class TReadOnlyChoice {
    WithoutRecording, // drill it: answers judged and scored, nothing written into the table
    Options           // the options dialog, to choose another table
};

// What the table reader needs from the screen. The Windows side implements it; tests use fakes.
class TDBScreen {
public:
    virtual ~TDBScreen() = default;

    // Pixel width of `length` bytes of `text`, in this code page, drawn in BoldFont; called
    // only between BeginWait and EndWait, so a device context may be held over that span.
    virtual int32_t TextWidth(const char* text, size_t length, uint32_t codePage) = 0;
    // Shows a modal box: caption "Database Problem", this text, stop icon, OK only. While the
    // table is opened it has no owner; during the drill it is modal to the drill window, so
    // that nothing else is done there until the learner has read it.
    virtual void ShowProblem(const char* text) = 0;
    // Shows this text (ReadOnlyTableText), which says that the table is read-only and asks
    // whether to drill it without recording, owned as the "Database Problem" box is.
    virtual TReadOnlyChoice AskReadOnly(const std::string& text) = 0;
    // Shows the wait cursor, remembering the one it replaces.
    virtual void BeginWait() = 0;
    // Puts back the cursor that BeginWait replaced.
    virtual void EndWait() = 0;
    // Whether the Shift key is down at this moment.
    virtual bool IsShiftDown() = 0;
    // Runs the options dialog modally, without parent, on these settings.
    virtual TDialogOutcome RunOptionsDialog(TOptions& options) = 0;
};
