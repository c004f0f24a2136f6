#include "tests/support/fake_db_screen.h"

#include <algorithm>

namespace {

class RecordingTableFile : public TTableFile {
public:
    RecordingTableFile(std::unique_ptr<TTableFile> inner, std::shared_ptr<TableAccessLog> log)
        : inner_(std::move(inner)), log_(std::move(log)) {}

    size_t ReadAt(uint64_t offset, void* buffer, size_t size) override {
        log_->furthestRead = std::max(log_->furthestRead, offset + size);
        return log_->failReads ? 0 : inner_->ReadAt(offset, buffer, size);
    }
    bool IsWritable() const override { return !log_->readOnly && inner_->IsWritable(); }
    bool WriteAt(uint64_t offset, const void* data, size_t size) override {
        log_->writes.emplace_back(offset, std::string(static_cast<const char*>(data), size));
        return !log_->failWrites && IsWritable() && inner_->WriteAt(offset, data, size);
    }
    uint64_t Length() override { return inner_->Length(); }

private:
    std::unique_ptr<TTableFile> inner_;
    std::shared_ptr<TableAccessLog> log_;
};

} // namespace

TTableOpener RecordingOpener(std::shared_ptr<TableAccessLog> log) {
    return [log](const char* path) -> std::unique_ptr<TTableFile> {
        auto file = OpenTableFile(path);
        if (!file)
            return nullptr;
        return std::make_unique<RecordingTableFile>(std::move(file), log);
    };
}

int32_t FakeDBScreen::TextWidth(const char* text, size_t length, uint32_t codePage) {
    measuredPage = codePage;
    if (waitDepth == 0)
        measuredOutsideWait = true;
    measured.emplace_back(text, length);
    return width ? width(measured.back()) : static_cast<int32_t>(7 * length);
}

void FakeDBScreen::BeginWait() {
    ++waitDepth;
    ++waits;
}

void FakeDBScreen::EndWait() {
    --waitDepth;
}

bool FakeDBScreen::IsShiftDown() {
    ++shiftQueries;
    if (shift.empty())
        return false;
    const bool down = shift.front();
    shift.pop_front();
    return down;
}

TDialogOutcome FakeDBScreen::RunOptionsDialog(TOptions& options) {
    if (dialogs.empty())
        return TDialogOutcome::Unavailable;
    ++dialogRuns;
    if (onDialog)
        onDialog(options);
    const TDialogOutcome outcome = dialogs.front();
    dialogs.pop_front();
    return outcome;
}

TableScene::TableScene(bool withIni) : ini(dir.File("vocorix.ini")) {
    if (withIni)
        WriteFileBytes(ini.Path, "[Database]\r\nMaximum Count=10\r\n");
    options = std::make_unique<TOptions>(ini);
    tablePath = dir.File("words.dbf");
    UseFile(tablePath);
}

std::string TableScene::Put(const TableBuilder& table) {
    return Put(table.Bytes());
}

std::string TableScene::Put(const std::string& bytes) {
    WriteFileBytes(tablePath, bytes);
    return tablePath;
}

void TableScene::UseFile(const std::string& path) {
    options->FileName = character(path.c_str());
}

std::unique_ptr<TDBFile> TableScene::Open(TTableOpener opener) {
    return std::make_unique<TDBFile>(*options, screen, std::move(opener));
}
