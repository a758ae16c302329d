#pragma once
// TCpuInfo's results as one JSON object (UTF-8) keyed by property name.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TCpuInfo;

// Each value as JSON text, in output order; "Features" is an object of the
// processor page's 30 codes.
std::vector<std::pair<std::string, std::string>> CpuInfoFields(const TCpuInfo& Info);
std::string CpuInfoJson(const TCpuInfo& Info);
// A Windows-1252 text as a JSON string.
std::string JsonString(std::string_view Text);
