#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace excel {

class Worksheet;

// Throws excel::Error, in Excel's terms, for a name Excel refuses on any sheet: empty,
// longer than 31 characters, holding one of : \ / ? * [ ], beginning or ending with an
// apostrophe, or the reserved name "History".
void CheckSheetName(const QString& name);

// True when a sheet other than `except` has the name, letter case ignored as Excel does.
bool SheetNameTaken(const QString& name, const std::vector<std::unique_ptr<Worksheet>>& sheets,
                    const Worksheet* except);

} // namespace excel
