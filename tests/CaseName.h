#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace tesmarik {

// Names each case of a parameterised test after its readable `name` field, as gtest wants
// it: letters and digits kept, anything else an underscore.
struct CaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        std::string name;
        for (const char ch : std::string(info.param.name)) {
            name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        }
        return name;
    }
};

}  // namespace tesmarik
