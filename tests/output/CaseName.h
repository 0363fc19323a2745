#pragma once

#include <gtest/gtest.h>
#include <string>

// Names each row of a parameter table by its name field.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};
