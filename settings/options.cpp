#include "settings/options.h"

#include <algorithm>
#include <utility>

namespace {
template <class T> std::vector<T> WithRoom(uint32_t room) {
    std::vector<T> list;
    list.reserve(room);
    return list;
}
} // namespace

TOptions::TOptions(TIniFile& ini)
    : TranscriptionEntry(Transcription, ini, "Database", "Transcription", true, "1"),
      PartOfSpeechEntry(PartOfSpeech, ini, "Database", "Part of Speech", true, "1"),
      ThirdLanguageEntry(ThirdLanguage, ini, "Database", "Third Language", true, "1"),
      MaxCountEntry(MaxCount, ini, "Database", "Maximum Count", true, "10"),
      TopLeftEntry(TopLeft, ini, "Database", "TopLeft Point", true, "(100,100)"),
      FileNameEntry(FileName, ini, "Database", "File Name", true, ""),
      ZoomEntry(Zoom, ini, "Database", "Zoom", true, "100"), AgeList(WithRoom<TAge>(10)),
      AgeEntries(AgeList, ini, "Ages", "Age"),
      // "Maximum Count" was read above; COUNT has two digits on disk, so it is at most that.
      KeyList(WithRoom<TKeys>(MaxCount = std::min(MaxCount, MaxCountLimit))),
      KeyEntries(KeyList, ini, "Keys", "Key") {
    // A settings file without ranges keeps having none: only a first start gets them.
    if (!ini.Exists()) {
        FirstStart = true;
        AgeEntries.Preset(FirstStartAges());
    }
}

void TOptions::StoreFirstStartAges() {
    if (std::exchange(FirstStart, false))
        AgeEntries.Store(std::vector<TAge>(AgeList));
}
