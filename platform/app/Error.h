#pragma once

#include <QString>
#include <stdexcept>

namespace App {

// What every layer of the program raises when an operation fails: the data access, the
// workbook model and its files. Description() is a text a window may show.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& description)
        : std::runtime_error(description.toStdString()), description_(description) {}
    const QString& Description() const { return description_; }

private:
    QString description_;
};

// One step of a procedure that passes over its failures: a step that fails is skipped and
// the caller goes on with the next one.
template <typename Step> void IgnoringErrors(Step&& step) {
    try {
        step();
    } catch (const Error&) {
    }
}

} // namespace App
