#pragma once

#include "catalogue/Services.h"

#include <chrono>
#include <ctime>

namespace cvn::test {

// A clock that always says noon of one day on this machine, whatever its time zone.
class TFixedClock : public TClock {
public:
    explicit TFixedClock(std::chrono::year_month_day today) : Today(today) {}

    std::chrono::system_clock::time_point Now() override {
        std::tm local{};
        local.tm_year = static_cast<int>(Today.year()) - 1900;
        local.tm_mon = static_cast<int>(static_cast<unsigned>(Today.month())) - 1;
        local.tm_mday = static_cast<int>(static_cast<unsigned>(Today.day()));
        local.tm_hour = 12;
        local.tm_isdst = -1;
        return std::chrono::system_clock::from_time_t(std::mktime(&local));
    }

    std::chrono::year_month_day Today;
};

} // namespace cvn::test
