#include "memory/RowList.h"

namespace tesmarik {

namespace {

void PutVarint(std::string& out, std::uint64_t value) {
    while (value >= 0x80) {
        out.push_back(static_cast<char>((value & 0x7f) | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<char>(value));
}

std::optional<std::uint64_t> GetVarint(const std::string& in, std::size_t& at) {
    std::uint64_t value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        if (at >= in.size()) {
            return std::nullopt;
        }
        const auto byte = static_cast<unsigned char>(in[at++]);
        value |= static_cast<std::uint64_t>(byte & 0x7f) << shift;
        if ((byte & 0x80) == 0) {
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string EncodeRowIds(const std::vector<std::int64_t>& ids) {
    std::string out;
    out.reserve(ids.size() + 8);
    std::uint64_t before = 0;
    for (const std::int64_t id : ids) {
        // Wrapping unsigned arithmetic: any two ids have a difference that decodes back.
        const std::uint64_t difference = static_cast<std::uint64_t>(id) - before;
        const auto signedDifference = static_cast<std::int64_t>(difference);
        PutVarint(out, (difference << 1) ^ static_cast<std::uint64_t>(signedDifference >> 63));
        before = static_cast<std::uint64_t>(id);
    }
    return out;
}

std::optional<std::vector<std::int64_t>> DecodeRowIds(const std::string& bytes) {
    std::vector<std::int64_t> ids;
    ids.reserve(bytes.size());
    std::uint64_t before = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const auto zigzag = GetVarint(bytes, at);
        if (!zigzag) {
            return std::nullopt;
        }
        const std::uint64_t difference = (*zigzag >> 1) ^ (0 - (*zigzag & 1));
        before += difference;
        ids.push_back(static_cast<std::int64_t>(before));
    }
    return ids;
}

std::string EncodeRowFields(const PriceRow& row) {
    std::string out;
    for (const std::string& field : row.fields) {
        PutVarint(out, field.size());
        out += field;
    }
    return out;
}

std::optional<PriceRow> DecodeRowFields(const std::string& bytes) {
    PriceRow row;
    for (std::size_t at = 0; at < bytes.size();) {
        const auto size = GetVarint(bytes, at);
        if (!size || *size > bytes.size() - at) {
            return std::nullopt;
        }
        row.fields.push_back(bytes.substr(at, static_cast<std::size_t>(*size)));
        at += static_cast<std::size_t>(*size);
    }
    return row;
}

}  // namespace tesmarik
