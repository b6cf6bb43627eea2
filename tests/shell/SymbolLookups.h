#pragma once
#include "project/CQLXProject.h"

#include <string>

// Checks the global-variable table's contract on a project: row indices are positions;
// every sound symbol is found under its name, address and upper-cased name; every map
// entry points to a symbol that carries its key (and is sound, for the lookup maps);
// every carried text is in the by-name and by-address maps; duplicate groups hold
// every symbol carrying their text, at least two, keyed by row, and exactly the marked
// symbols. Gives the first fault found, or an empty text.
std::string CheckSymbolLookups(const CQLXProject& project);

// The marks of every row as "name/address/marks" joined by "|", for step tables.
std::string DescribeSymbols(const CQLXProject& project);
