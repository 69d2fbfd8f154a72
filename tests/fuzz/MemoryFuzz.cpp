// What the memory reads back from its database, on arbitrary bytes: a version's list of row
// ids, a row's fields and a stored moment. Whatever is read must write back to what reads
// the same; nothing else may come of it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "memory/RowList.h"
#include "memory/StoredTime.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tesmarik;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (const auto ids = DecodeRowIds(bytes)) {
        if (DecodeRowIds(EncodeRowIds(*ids)) != ids) {
            std::abort();
        }
    }
    if (const auto row = DecodeRowFields(bytes)) {
        const auto again = DecodeRowFields(EncodeRowFields(*row));
        if (!again || again->fields != row->fields) {
            std::abort();
        }
    }
    if (const auto moment = ReadStoredTime(bytes)) {
        if (StoredTime(*moment) != bytes) {
            std::abort();
        }
    }
    return 0;
}
