#pragma once

#include <QString>
#include <stdexcept>

// Shared names of the data-access layer, shaped after ADO.
namespace ado {

// Raised by every failing operation; Description() is what a window shows.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& description)
        : std::runtime_error(description.toStdString()), description_(description) {}
    const QString& Description() const { return description_; }

private:
    QString description_;
};

enum DataType {
    adEmpty = 0,
    adInteger = 3,
    adDouble = 5,
    adDate = 7,
    adBoolean = 11,
    adBigInt = 20,
    adVarWChar = 202,
    adLongVarWChar = 203,
    adLongVarBinary = 205,
};

enum ObjectState { adStateClosed = 0, adStateOpen = 1 };
enum CursorType { adOpenForwardOnly = 0, adOpenKeyset = 1 };
enum LockType { adLockReadOnly = 1, adLockOptimistic = 3 };

} // namespace ado
