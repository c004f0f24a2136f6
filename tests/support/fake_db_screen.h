#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "database/db_file.h"
#include "settings/options.h"
#include "tests/support/table_builder.h"
#include "tests/support/temp_dir.h"

// A screen for the table reader that records what it was asked and answers as the test says.
class FakeDBScreen : public TDBScreen {
public:
    int32_t TextWidth(const char* text, size_t length, uint32_t codePage) override;
    void ShowProblem(const char* text) override { problems.emplace_back(text); }
    void BeginWait() override;
    void EndWait() override;
    bool IsShiftDown() override;
    TDialogOutcome RunOptionsDialog(TOptions& options) override;
    TReadOnlyChoice AskReadOnly(const std::string& text) override {
        readOnlyTexts.push_back(text);
        return readOnlyChoice;
    }

    // Width of a measured text; 7 pixels a byte unless replaced.
    std::function<int32_t(const std::string&)> width;
    // Answers to IsShiftDown, in order; released when the list is empty.
    std::deque<bool> shift;
    // Endings of the options dialog, in order; Unavailable when the list is empty.
    std::deque<TDialogOutcome> dialogs;
    // Runs inside each options dialog, as the learner's edits would.
    std::function<void(TOptions&)> onDialog;

    std::vector<std::string> problems;
    // What a read-only table's question was told, and what it answers.
    std::vector<std::string> readOnlyTexts;
    TReadOnlyChoice readOnlyChoice = TReadOnlyChoice::Options;
    std::vector<std::string> measured;
    uint32_t measuredPage = 0; // the code page of the texts measured last
    int dialogRuns = 0;
    int shiftQueries = 0;
    int waitDepth = 0;
    int waits = 0;
    bool measuredOutsideWait = false;
};

// What a reader did to its file, seen through RecordingOpener.
struct TableAccessLog {
    uint64_t furthestRead = 0; // the end of the furthest byte range asked for
    std::vector<std::pair<uint64_t, std::string>> writes;
    bool failWrites = false; // as a full disk or a removed medium would
    bool failReads = false;  // as a removed medium would
    bool readOnly = false;   // as a table marked read-only opens
};

// Opens the real file, logging every access into `log` and failing writes when told to.
TTableOpener RecordingOpener(std::shared_ptr<TableAccessLog> log);

// The reader's surroundings: a temporary folder with a settings file, the settings read from
// it, and a fake screen.
class TableScene {
public:
    // `withIni`: whether the settings file exists (a first start has none).
    explicit TableScene(bool withIni = true);

    // Writes the table as "words.dbf" and names it in the settings.
    std::string Put(const TableBuilder& table);
    std::string Put(const std::string& bytes);
    // A reader on the settings; its screen is this scene's.
    std::unique_ptr<TDBFile> Open(TTableOpener opener = OpenTableFile);
    void UseFile(const std::string& path);

    TempDir dir;
    TIniFile ini;
    std::unique_ptr<TOptions> options;
    FakeDBScreen screen;
    std::string tablePath;
};
