// The data-file reader on arbitrary bytes. It must never crash, hang or allocate without
// bound, and what it reads must survive a save: writing the document and reading it back
// gives the same document.

#include "common/KelvaneError.h"
#include "files/DocumentFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Document opened;
    try {
        opened = documentFrom(decodeDocument(bytes), Document());
    } catch (const KelvaneError&) {
        return 0; // refused with a message: what a damaged file should get
    }
    const Document reopened = documentFrom(decodeDocument(encodeDocument(opened, 0)), Document());
    if (reopened != opened)
        std::abort();
    return 0;
}
