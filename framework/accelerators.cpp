#include "framework/accelerators.h"

#include <stdexcept>
#include <vector>

namespace {
// One entry of an accelerator resource: flags, key, command, padding; 0x80 marks the last.
constexpr size_t EntrySize = 8;
constexpr uint16_t LastEntry = 0x80;

uint16_t Word(const unsigned char* bytes) {
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}
} // namespace

TAccelerators::TAccelerators(HINSTANCE module, uint32_t resourceId) {
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(9));
    HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    const auto* bytes = static_cast<const unsigned char*>(LockResource(loaded));
    if (bytes == nullptr)
        throw std::runtime_error("Accelerator table resource not found.");
    const size_t count = SizeofResource(module, resource) / EntrySize;
    std::vector<ACCEL> entries;
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* entry = bytes + i * EntrySize;
        const uint16_t flags = Word(entry);
        entries.push_back({static_cast<BYTE>(flags & 0x7F), Word(entry + 2), Word(entry + 4)});
        if (flags & LastEntry)
            break;
    }
    Reset(CreateAcceleratorTableA(entries.data(), static_cast<int>(entries.size())));
    if (GetHandle() == nullptr)
        throw std::runtime_error("Cannot create an accelerator table.");
}
