#pragma once
// A tally's raw sums as JSON, written and read back exactly: what a shard report carries so that
// shards can be merged into the report of the whole run.
#include <iosfwd>
#include <string>

#include "Json.h"
#include "RtpTally.h"

namespace vortala::sim {

// One JSON object, on one line.
void WriteSums(std::ostream& out, const RtpTally& t);
// Reads every sum WriteSums writes; fails, naming the field, if one is missing or out of range.
bool ReadSums(const JsonValue& sums, RtpTally& t, std::string& error);

std::string Decimal(WideSum v);
// A whole JSON number from low to high; false for a fraction, an exponent or anything else.
bool ReadWhole(const JsonValue* v, WideSum low, WideSum high, WideSum& out);

}  // namespace vortala::sim
