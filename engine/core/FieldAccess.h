// Every named field of the zone state, reachable by its name: for zonesim, tests and state dumps.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class ZoneForm;

enum class FieldType { Number, Int16, UInt8, Int32 };

struct FieldRef {
  FieldType type;
  void* data;          // the value, or the table's first entry
  int lo = 0, hi = 0;  // a table's index range
  bool isTable = false;
};

// The field or table called `name` (without an index), or nothing when there is none.
std::optional<FieldRef> FindField(ZoneForm& form, std::string_view name);

// Reads or writes entry `index` (0 for a single field; must lie in lo..hi for a table).
double ReadField(const FieldRef& f, int index);
void WriteField(const FieldRef& f, int index, double value);

// The value as a JSON number: integers for whole-number types, the shortest round-tripping form for numbers.
std::string FormatField(const FieldRef& f, int index);

std::vector<std::string> FieldNames();

}  // namespace orvane
