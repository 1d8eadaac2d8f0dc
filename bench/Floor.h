#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cvn::bench {

// The least any event can do with a table: read the file into one buffer of its size
// and find every field's trimmed bounds in one pass. Returns the number of fields so
// the work cannot be optimised away.
std::size_t ReadAndSplit(const std::string& path);

// ReadAndSplit over each file; the I/O floor of an event that opens them.
std::size_t ReadAndSplitAll(const std::vector<std::string>& paths);

// The least a writer can do: put bytes into a new file and rename it over the target.
void WriteBytes(const std::string& path, std::string_view bytes);

} // namespace cvn::bench
