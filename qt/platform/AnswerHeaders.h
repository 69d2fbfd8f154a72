#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

namespace tesmarik {

// The checks of an HTTP answer's header lines that decide whether its body can be the
// price list as the seller sent it. Redirects and interim answers ("100 Continue") come
// through here too, each starting with its status line, and so do trailers.
class AnswerHeaders {
public:
    // maxBytes: the header lines of all answers of one download together.
    explicit AnswerHeaders(std::int64_t maxBytes) : maxBytes_(maxBytes) {}

    // Takes one header line as received, line end included; false when the answer is to
    // be refused: the headers grew too long, the body's length is given two ways, or the
    // body is packed or sent in a way other than plain or chunked.
    bool Take(std::string_view line);

private:
    std::int64_t maxBytes_;
    std::int64_t bytes_ = 0;
    bool inHeaders_ = false;
    std::set<std::string> lengths_;
};

}  // namespace tesmarik
