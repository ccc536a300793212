#pragma once

#include <QString>
#include <stdexcept>

namespace excel {

// Raised by every failing operation of the workbook model, the writer and the reader;
// Description() is what a window may show.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& description)
        : std::runtime_error(description.toStdString()), description_(description) {}
    const QString& Description() const { return description_; }

private:
    QString description_;
};

} // namespace excel
