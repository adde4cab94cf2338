// The test binary's main: one cluster for all its tests, started before the
// first and removed after the last.
#include "postgres_cluster.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(&fieldizer::testing::PostgresCluster::instance());
    return RUN_ALL_TESTS();
}
