#include "platform/ui/DatePicker.h"

#include "platform/clock/Clock.h"
#include "platform/ui/MessageBox.h"

#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>

namespace ui {
namespace {
const QString kShownFormat = QStringLiteral("yyyy-MM-dd");
constexpr int kEarliestYear = 1900;

std::optional<QDate> dateOf(int year, int month, int day) {
    const QDate date(year, month, day);
    if (!date.isValid() || year < kEarliestYear) {
        return std::nullopt;
    }
    return date;
}

// A small downward arrow, drawn in the text colour of the box.
QIcon arrowIcon(const QColor& colour) {
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({QPointF(1, 4), QPointF(11, 4), QPointF(6, 9.5)}));
    return QIcon(pixmap);
}
} // namespace

std::optional<QDate> ParseTypedDate(QStringView text) {
    // Full-width digits and separators, as a Chinese input method types them, become plain.
    const QString plain = text.toString().normalized(QString::NormalizationForm_KC).trimmed();
    static const QRegularExpression separated(
        QStringLiteral(R"(^([0-9]{4})\s*[-/.年]\s*([0-9]{1,2})\s*[-/.月]\s*([0-9]{1,2})\s*日?$)"));
    static const QRegularExpression compact(QStringLiteral("^([0-9]{4})([0-9]{2})([0-9]{2})$"));
    for (const QRegularExpression* form : {&separated, &compact}) {
        const QRegularExpressionMatch match = form->match(plain);
        if (match.hasMatch()) {
            return dateOf(match.captured(1).toInt(), match.captured(2).toInt(),
                          match.captured(3).toInt());
        }
    }
    return std::nullopt;
}

DatePicker::DatePicker(QWidget* parent) : DatePicker(Clock::Today(), parent) {}

DatePicker::DatePicker(const QDate& date, QWidget* parent) : QLineEdit(parent) {
    QAction* arrow =
        addAction(arrowIcon(palette().color(QPalette::Text)), QLineEdit::TrailingPosition);
    arrow->setObjectName(QStringLiteral("calendarArrow"));
    arrow->setToolTip(QStringLiteral("选择日期"));
    connect(arrow, &QAction::triggered, this, &DatePicker::ShowCalendar);
    connect(this, &QLineEdit::editingFinished, this, &DatePicker::takeTyped);
    connect(this, &QLineEdit::textEdited, this, [this] { markRefused(false); });
    setDate(date);
}

QDate DatePicker::date() const {
    const std::optional<QDate> typed = ParseTypedDate(text());
    return typed ? *typed : date_;
}

QSize DatePicker::sizeHint() const {
    // The arrow's button and the box's frame and margins, as the line edit lays them out.
    constexpr int kArrowRoom = 26;
    constexpr int kFrameRoom = 8;
    const int text = fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00"));
    return {text + kArrowRoom + kFrameRoom, QLineEdit::sizeHint().height()};
}

void DatePicker::setDate(const QDate& date) {
    if (!date.isValid()) {
        return;
    }
    date_ = date;
    setText(date.toString(kShownFormat));
    markRefused(false);
}

bool DatePicker::takeTyped() {
    const std::optional<QDate> typed = ParseTypedDate(text());
    if (typed) {
        setDate(*typed);
    } else {
        markRefused(true);
    }
    return typed.has_value();
}

bool DatePicker::CommitTyped() {
    if (takeTyped()) {
        return true;
    }
    Critical(QStringLiteral("“%1”不是有效的日期，请按“2020-03-15”的格式输入。").arg(text()), this);
    setFocus(Qt::OtherFocusReason);
    selectAll();
    return false;
}

void DatePicker::markRefused(bool refused) {
    setStyleSheet(refused ? QStringLiteral("color: #c00000;") : QString());
    setToolTip(refused ? QStringLiteral("不是有效的日期") : QString());
}

void DatePicker::ShowCalendar() {
    if (calendar_ == nullptr) {
        calendar_ = new QCalendarWidget(this);
        calendar_->setObjectName(QStringLiteral("calendar"));
        calendar_->setWindowFlags(Qt::Popup);
        calendar_->setGridVisible(true);
        const auto pick = [this](QDate picked) {
            setDate(picked);
            calendar_->hide();
            setFocus(Qt::PopupFocusReason);
        };
        connect(calendar_, &QCalendarWidget::clicked, this, pick);
        connect(calendar_, &QCalendarWidget::activated, this, pick);
    }
    calendar_->setSelectedDate(date());
    calendar_->adjustSize();
    calendar_->move(mapToGlobal(rect().bottomLeft()));
    calendar_->show();
    calendar_->setFocus(Qt::PopupFocusReason);
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
    const bool altDown = event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier);
    if (altDown || event->key() == Qt::Key_F4) {
        ShowCalendar();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace ui
