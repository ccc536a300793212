#pragma once

#include <QDate>
#include <QLineEdit>
#include <QStringView>
#include <optional>

class QCalendarWidget;

namespace ui {

// The date a clerk typed or pasted: yyyy-MM-dd, yyyy/M/d, yyyy.M.d, yyyy年M月d日 (any of
// these separators, with or without leading zeros) or yyyyMMdd; full-width digits count.
// nullopt when the text names no real day (2020-02-30) or a year before 1900.
std::optional<QDate> ParseTypedDate(QStringView text);

// The program's one date box: a line edit that shows yyyy-MM-dd, takes typed dates in
// every form ParseTypedDate reads, and opens a calendar from its arrow (or Alt+Down, F4).
// Tab leaves it in one step.
class DatePicker : public QLineEdit {
    Q_OBJECT

public:
    explicit DatePicker(QWidget* parent = nullptr);
    DatePicker(const QDate& date, QWidget* parent);

    // The date shown: what was typed when it is a date, else the last date taken.
    QDate date() const;
    void setDate(const QDate& date);

    // Takes the typed text before a window uses the date. A text that is no date is
    // refused with a message and the focus comes back here; the answer is then false.
    bool CommitTyped();

    void ShowCalendar();

    // Wide enough for a whole date beside the calendar arrow.
    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The typed text as the date, or marked as refused; true when it is a date.
    bool takeTyped();
    void markRefused(bool refused);

    QDate date_;
    QCalendarWidget* calendar_ = nullptr;
};

} // namespace ui
