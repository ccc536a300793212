#include "platform/ado/AccessDialect.h"

#include "platform/ado/AccessDate.h"
#include "platform/ado/Ado.h"

namespace ado {
namespace {
bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c.unicode() > 0x7f;
}

class Rewriter {
public:
    explicit Rewriter(const QString& sql) : in_(sql) { out_.reserve(sql.size() + 16); }

    QString run() {
        while (pos_ < in_.size()) {
            const QChar c = in_[pos_];
            if (c == u'\'') {
                copySingleQuoted();
            } else if (c == u'"') {
                convertDoubleQuoted();
            } else if (c == u'[') {
                copyUntil(u']');
            } else if (c == u'#') {
                convertDateLiteral();
            } else if (isWordChar(c)) {
                convertWord();
            } else {
                out_ += c;
                ++pos_;
            }
        }
        return out_;
    }

private:
    void copySingleQuoted() {
        out_ += in_[pos_++];
        while (pos_ < in_.size()) {
            const QChar c = in_[pos_++];
            out_ += c;
            if (c == u'\'') {
                if (pos_ < in_.size() && in_[pos_] == u'\'') {
                    out_ += in_[pos_++];
                } else {
                    return;
                }
            }
        }
    }

    void convertDoubleQuoted() {
        ++pos_;
        out_ += u'\'';
        while (pos_ < in_.size()) {
            const QChar c = in_[pos_++];
            if (c == u'"') {
                if (pos_ < in_.size() && in_[pos_] == u'"') {
                    out_ += u'"';
                    ++pos_;
                    continue;
                }
                break;
            }
            if (c == u'\'') {
                out_ += u'\'';
            }
            out_ += c;
        }
        out_ += u'\'';
    }

    void copyUntil(QChar close) {
        const qsizetype end = in_.indexOf(close, pos_ + 1);
        const qsizetype stop = end < 0 ? in_.size() : end + 1;
        out_ += QStringView(in_).mid(pos_, stop - pos_);
        pos_ = stop;
    }

    void convertDateLiteral() {
        const qsizetype end = in_.indexOf(u'#', pos_ + 1);
        if (end < 0) {
            throw Error(QStringLiteral("查询表达式中日期的语法错误：") + in_.mid(pos_));
        }
        const QString body = in_.mid(pos_ + 1, end - pos_ - 1);
        const auto date = ParseAccessDate(body);
        if (!date) {
            throw Error(QStringLiteral("查询表达式中日期的语法错误：#") + body + u'#');
        }
        out_ += u'\'' + StoredDateText(*date) + u'\'';
        pos_ = end + 1;
    }

    void convertWord() {
        const qsizetype start = pos_;
        while (pos_ < in_.size() && isWordChar(in_[pos_])) {
            ++pos_;
        }
        const QStringView word = QStringView(in_).mid(start, pos_ - start);
        if (is(word, u"true") || is(word, u"yes")) {
            out_ += u'1';
        } else if (is(word, u"false") || is(word, u"no")) {
            out_ += u'0';
        } else {
            out_ += word;
            if (is(word, u"delete")) {
                dropDeleteStar();
            }
        }
    }

    // "delete * from" -> "delete from": the star has no meaning in SQLite.
    void dropDeleteStar() {
        qsizetype p = skipSpaces(pos_);
        if (p >= in_.size() || in_[p] != u'*') {
            return;
        }
        const qsizetype afterStar = skipSpaces(p + 1);
        const QStringView rest = QStringView(in_).mid(afterStar);
        if (rest.startsWith(u"from", Qt::CaseInsensitive) &&
            (rest.size() == 4 || !isWordChar(rest[4]))) {
            out_ += u' ';
            pos_ = afterStar;
        }
    }

    qsizetype skipSpaces(qsizetype p) const {
        while (p < in_.size() && in_[p].isSpace()) {
            ++p;
        }
        return p;
    }

    static bool is(QStringView word, QStringView keyword) {
        return word.compare(keyword, Qt::CaseInsensitive) == 0;
    }

    const QString& in_;
    QString out_;
    qsizetype pos_ = 0;
};
} // namespace

QString RewriteAccessSql(const QString& sql) {
    return Rewriter(sql).run();
}

} // namespace ado
