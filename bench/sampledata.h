#pragma once

#include "collection/itemlist.h"

namespace vm::bench {

// A vehicle list as a collector keeps it: header row and records numbered
// from 0001, with kinds, series, railway companies and producers (umlauts
// included), article numbers, empty cells, Attach cells with description
// files and pictures, German prices and dates. The same count gives the same
// list on every run.
ItemList makeSampleVehicleList(int records);

} // namespace vm::bench
