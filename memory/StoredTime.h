#pragma once

#include <optional>
#include <string>

#include "common/DateTime.h"

namespace tesmarik {

// A moment as the database keeps it, "2026-12-10 08:15:00": text that sorts as time does.
std::string StoredTime(const DateTime& t);
// The moment again; none for a text that is no such moment.
std::optional<DateTime> ReadStoredTime(const std::string& text);

}  // namespace tesmarik
