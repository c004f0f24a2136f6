#include "framework/accelerators.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/text_codec.h"

namespace {
// One entry of an accelerator resource: flags, key, command, padding; 0x80 marks the last.
constexpr size_t EntrySize = 8;
constexpr uint16_t LastEntry = 0x80;
// The code page of the resource's character keys.
constexpr uint32_t KeysCodePage = 1251;

uint16_t Word(const unsigned char* bytes) {
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}
} // namespace

TAccelerators::TAccelerators(HINSTANCE module, uint32_t resourceId) {
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(resourceId), RT_ACCELERATOR);
    HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    const auto* bytes = static_cast<const unsigned char*>(LockResource(loaded));
    if (bytes == nullptr)
        throw std::runtime_error("Accelerator table resource not found.");
    const size_t count = SizeofResource(module, resource) / EntrySize;
    std::vector<ACCEL> entries;
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* entry = bytes + i * EntrySize;
        const uint16_t flags = Word(entry);
        uint16_t key = Word(entry + 2);
        if (!(flags & FVIRTKEY) && key <= 0xFF)
            key = static_cast<uint16_t>(
                CodePageText(KeysCodePage).ToUtf16(std::string(1, static_cast<char>(key)))[0]);
        entries.push_back({static_cast<BYTE>(flags & 0x7F), key, Word(entry + 4)});
        if (flags & LastEntry)
            break;
    }
    Reset(CreateAcceleratorTableW(entries.data(), static_cast<int>(entries.size())));
    if (GetHandle() == nullptr)
        throw std::runtime_error("Cannot create an accelerator table.");
}
