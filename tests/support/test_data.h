#pragma once
// The bytes of a file of tests/data (FIELDIZER_TEST_DATA, which every
// project test is compiled with).

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace fieldizer::testing {

inline std::string readTestData(const std::string& name) {
    std::ifstream in(std::string(FIELDIZER_TEST_DATA) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << "no test data " << name;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace fieldizer::testing
