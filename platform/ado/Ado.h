#pragma once

#include "platform/app/Error.h"

#include <QString>

// Shared names of the data-access layer, shaped after ADO.
namespace ado {

// Raised by every failing operation; Description() is what a window shows: the cause in
// Chinese, the engine's own words, if any, only after it.
class Error : public App::Error {
public:
    explicit Error(const QString& description, int code = 0)
        : App::Error(description), code_(code) {}
    // The engine's extended result code; 0 for the layer's own refusals.
    int Code() const { return code_; }
    // Another program holds the file: trying again later may work.
    bool Locked() const;

private:
    int code_;
};

enum DataType {
    adEmpty = 0,
    adInteger = 3,
    adDouble = 5,
    adDate = 7,
    adBoolean = 11,
    adVariant = 12, // a column declared without a type: each value keeps its own
    adBigInt = 20,
    adVarWChar = 202,
    adLongVarWChar = 203,
    adLongVarBinary = 205,
};

enum ObjectState { adStateClosed = 0, adStateOpen = 1 };
enum CursorType { adOpenForwardOnly = 0, adOpenKeyset = 1 };
enum LockType { adLockReadOnly = 1, adLockOptimistic = 3 };

} // namespace ado
