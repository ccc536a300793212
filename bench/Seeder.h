#pragma once

#include <QString>
#include <cstdint>

namespace Bench {

struct SeedOptions {
    int records = 1000;
    int employees = 300;
    int departments = 12;
    std::uint32_t seed = 1;
};

struct SeedResult {
    int records = 0;
    int employees = 0;
    int departments = 0;
};

// Fills the database (created when missing) with a deterministic, realistic set of
// departments, employees and training records. Throws ado::Error.
SeedResult Seed(const QString& path, const SeedOptions& options);

} // namespace Bench
