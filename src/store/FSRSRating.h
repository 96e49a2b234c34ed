#pragma once

#include <optional>

// The four answers of a review, stored in logs as their grade 1 to 4.
enum class FSRSRating { Again = 1, Hard = 2, Good = 3, Easy = 4 };

namespace FSRSRatings {
inline int grade(FSRSRating rating)
{
    return static_cast<int>(rating);
}

inline std::optional<FSRSRating> fromGrade(int grade)
{
    if (grade < 1 || grade > 4)
        return std::nullopt;
    return static_cast<FSRSRating>(grade);
}
} // namespace FSRSRatings
