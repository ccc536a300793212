#include "platform/ado/Recordset.h"

#include "platform/ado/AccessDate.h"
#include "platform/ado/AccessDialect.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Database.h"

#include <optional>
#include <sqlite3.h>

namespace ado {
namespace {
const QString kTypeMismatch = QStringLiteral("数据类型不匹配。");

[[noreturn]] void throwNoItem() {
    throw Error(QStringLiteral("在与请求的名称或序号对应的集合中，未找到项目。"));
}

int typeFromDeclaration(const char* declared) {
    const QByteArray decl = QByteArray(declared != nullptr ? declared : "").toUpper();
    auto starts = [&decl](const char* prefix) { return decl.startsWith(prefix); };
    if (starts("YESNO") || starts("BIT") || starts("BOOL")) {
        return adBoolean;
    }
    if (starts("DATE")) {
        return adDate;
    }
    if (starts("LONGTEXT") || starts("MEMO")) {
        return adLongVarWChar;
    }
    if (starts("TEXT") || starts("VARCHAR") || starts("CHAR")) {
        return adVarWChar;
    }
    if (starts("INT") || starts("LONG") || starts("COUNTER")) {
        return adInteger;
    }
    if (starts("REAL") || starts("DOUBLE") || starts("FLOAT")) {
        return adDouble;
    }
    if (!decl.isEmpty()) {
        return adVarWChar;
    }
    // An expression, or a column declared without a type: no row speaks for the others.
    return adVariant;
}

QString columnText(sqlite3_stmt* stmt, int i) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                             sqlite3_column_bytes(stmt, i));
}

// A Yes/No written as other programs write it: a number, or a word in any letter case.
std::optional<bool> booleanFromText(const QString& written) {
    const QString text = written.trimmed();
    for (const char* yes : {"true", "yes", "on"}) {
        if (text.compare(QLatin1String(yes), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    for (const char* no : {"false", "no", "off"}) {
        if (text.compare(QLatin1String(no), Qt::CaseInsensitive) == 0) {
            return false;
        }
    }
    bool number = false;
    const double value = text.toDouble(&number);
    return number ? std::optional<bool>(value != 0) : std::nullopt;
}

QVariant readBoolean(sqlite3_stmt* stmt, int i, int storage) {
    if (storage != SQLITE_TEXT) {
        return sqlite3_column_double(stmt, i) != 0;
    }
    const std::optional<bool> value = booleanFromText(columnText(stmt, i));
    return value ? QVariant(*value) : QVariant();
}

QVariant readDate(sqlite3_stmt* stmt, int i, int storage) {
    if (storage == SQLITE_TEXT) {
        return DateFromStored(columnText(stmt, i));
    }
    if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) {
        if (const auto serial = DateFromSerial(sqlite3_column_double(stmt, i))) {
            return serial->time() == QTime(0, 0) ? QVariant(serial->date()) : QVariant(*serial);
        }
    }
    return {};
}

QVariant readInteger(sqlite3_stmt* stmt, int i) {
    const qint64 v = sqlite3_column_int64(stmt, i);
    return v >= INT32_MIN && v <= INT32_MAX ? QVariant(static_cast<int>(v)) : QVariant(v);
}

QVariant readBlob(sqlite3_stmt* stmt, int i) {
    return QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, i)),
                      sqlite3_column_bytes(stmt, i));
}

// A value of a column without a type, as the file holds it.
QVariant readStored(sqlite3_stmt* stmt, int i, int storage) {
    switch (storage) {
    case SQLITE_INTEGER:
        return readInteger(stmt, i);
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt, i);
    case SQLITE_BLOB:
        return readBlob(stmt, i);
    default:
        return columnText(stmt, i);
    }
}

QVariant readValue(sqlite3_stmt* stmt, int i, int type) {
    const int storage = sqlite3_column_type(stmt, i);
    if (storage == SQLITE_NULL) {
        return {};
    }
    switch (type) {
    case adBoolean:
        return readBoolean(stmt, i, storage);
    case adDate:
        return readDate(stmt, i, storage);
    case adVariant:
        return readStored(stmt, i, storage);
    case adInteger:
        return readInteger(stmt, i);
    case adDouble:
        return sqlite3_column_double(stmt, i);
    case adLongVarBinary:
        return readBlob(stmt, i);
    default:
        return columnText(stmt, i);
    }
}

QString textOf(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return {};
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::QDateTime:
        return StoredDateText(value.toDateTime());
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 15);
    default:
        return value.toString();
    }
}

QVariant toBoolean(const QVariant& value) {
    if (value.isNull() || value.typeId() == QMetaType::Bool) {
        return value.toBool();
    }
    const std::optional<bool> parsed = booleanFromText(value.toString());
    if (!parsed) {
        throw Error(kTypeMismatch);
    }
    return *parsed;
}

QVariant toDate(const QVariant& value) {
    QDateTime dateTime;
    if (value.typeId() == QMetaType::QDate) {
        dateTime = value.toDate().startOfDay();
    } else if (value.typeId() == QMetaType::QDateTime) {
        dateTime = value.toDateTime();
    } else {
        const auto parsed = ParseAccessDate(value.toString());
        if (!parsed) {
            throw Error(kTypeMismatch);
        }
        dateTime = *parsed;
    }
    if (!dateTime.isValid()) {
        throw Error(kTypeMismatch);
    }
    if (dateTime.time() == QTime(0, 0)) {
        return dateTime.date();
    }
    return dateTime;
}

QVariant toNumber(const QVariant& value, int type) {
    bool ok = false;
    if (type == adDouble) {
        const double d = value.toDouble(&ok);
        if (!ok) {
            throw Error(kTypeMismatch);
        }
        return d;
    }
    const qint64 n = value.typeId() == QMetaType::Bool ? (value.toBool() ? 1 : 0)
                                                       : value.toString().trimmed().toLongLong(&ok);
    if (!ok && value.typeId() != QMetaType::Bool) {
        throw Error(kTypeMismatch);
    }
    return n >= INT32_MIN && n <= INT32_MAX ? QVariant(static_cast<int>(n)) : QVariant(n);
}

// A value as the column will hold it, so that it reads back the same after Update.
QVariant toColumnValue(const QVariant& value, int type) {
    if (type == adBoolean) {
        return toBoolean(value);
    }
    if (value.isNull()) {
        return {};
    }
    switch (type) {
    case adDate:
        return toDate(value);
    case adInteger:
    case adBigInt:
    case adDouble:
        return toNumber(value, type);
    case adLongVarBinary:
        return value.toByteArray();
    case adVariant:
        return value;
    default:
        return textOf(value);
    }
}

void bindValue(sqlite3_stmt* stmt, int index, const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        sqlite3_bind_null(stmt, index);
        break;
    case QMetaType::Bool:
        sqlite3_bind_int(stmt, index, value.toBool() ? 1 : 0);
        break;
    case QMetaType::Int:
    case QMetaType::LongLong:
        sqlite3_bind_int64(stmt, index, value.toLongLong());
        break;
    case QMetaType::Double:
        sqlite3_bind_double(stmt, index, value.toDouble());
        break;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob(stmt, index, bytes.constData(), static_cast<int>(bytes.size()),
                          SQLITE_TRANSIENT);
        break;
    }
    default: {
        const QByteArray text = textOf(value).toUtf8();
        sqlite3_bind_text(stmt, index, text.constData(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
        break;
    }
    }
}

QString quoteName(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

void finalize(sqlite3_stmt*& stmt) {
    sqlite3_finalize(stmt);
    stmt = nullptr;
}
} // namespace

QString Field::Text() const {
    return textOf(value_);
}

void Field::SetValue(const QVariant& value) {
    owner_->beginEdit();
    if (column_.isEmpty()) {
        throw Error(QStringLiteral("字段“%1”不能更新。").arg(name_));
    }
    value_ = toColumnValue(value, type_);
    changed_ = true;
}

const Field* FieldList::find(const QString& name) const {
    for (const Field& field : fields_) {
        if (field.name_.compare(name, Qt::CaseInsensitive) == 0) {
            return &field;
        }
    }
    return nullptr;
}

const Field& FieldList::operator[](int index) const {
    if (index < 0 || index >= Count()) {
        throwNoItem();
    }
    return fields_[static_cast<size_t>(index)];
}

const Field& FieldList::operator[](const QString& name) const {
    const Field* field = find(name);
    if (field == nullptr) {
        throwNoItem();
    }
    return *field;
}

Field& FieldList::operator[](int index) {
    return const_cast<Field&>(std::as_const(*this)[index]);
}

Field& FieldList::operator[](const QString& name) {
    return const_cast<Field&>(std::as_const(*this)[name]);
}

Recordset::Recordset() = default;

Recordset::~Recordset() {
    Close();
}

void Recordset::Open(const QString& sql, Connection& connection, int, int lockType, int) {
    if (stmt_ != nullptr) {
        throw Error(QStringLiteral("对象打开时，不允许操作。"));
    }
    if (!connection.Database()) {
        throw Error(QStringLiteral("对象关闭时，不允许操作。"));
    }
    const QByteArray text = RewriteAccessSql(sql).toUtf8();
    sqlite3* db = connection.Database()->Handle();
    if (sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()), &stmt_, nullptr) !=
            SQLITE_OK ||
        stmt_ == nullptr) {
        const Error error = connection.Database()->LastError();
        finalize(stmt_);
        throw error;
    }
    database_ = connection.Database();
    updatable_ = lockType == adLockOptimistic;
    const int columns = sqlite3_column_count(stmt_);
    fields_.fields_.assign(static_cast<size_t>(columns), Field());
    for (int i = 0; i < columns; ++i) {
        Field& field = fields_.fields_[static_cast<size_t>(i)];
        field.owner_ = this;
        field.name_ = QString::fromUtf8(sqlite3_column_name(stmt_, i));
        if (const char* origin = sqlite3_column_origin_name(stmt_, i)) {
            field.column_ = QString::fromUtf8(origin);
            if (table_.isEmpty()) {
                table_ = QString::fromUtf8(sqlite3_column_table_name(stmt_, i));
            }
        }
    }
    try {
        readRow();
    } catch (const Error&) {
        Close();
        throw;
    }
    for (int i = 0; i < columns; ++i) {
        Field& field = fields_.fields_[static_cast<size_t>(i)];
        field.type_ = typeFromDeclaration(sqlite3_column_decltype(stmt_, i));
        if (!eof_) {
            field.value_ = readValue(stmt_, i, field.type_);
        }
    }
}

bool Recordset::Eof() const {
    requireOpen();
    return eof_ && edit_ != Edit::New;
}

void Recordset::MoveNext() {
    requireOpen();
    if (edit_ != Edit::None) {
        Update();
    }
    if (eof_) {
        throw Error(QStringLiteral("BOF 或 EOF 中有一个是“真”，或者当前的记录已被删除，"
                                   "所需的操作要求一个当前的记录。"));
    }
    readRow();
}

void Recordset::readRow() {
    database_->StartStep();
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_DONE) {
        eof_ = true;
        return;
    }
    if (rc != SQLITE_ROW) {
        eof_ = true;
        throw database_->LastError();
    }
    eof_ = false;
    readCurrentValues();
}

void Recordset::readCurrentValues() {
    for (int i = 0; i < fields_.Count(); ++i) {
        Field& field = fields_.fields_[static_cast<size_t>(i)];
        if (field.type_ != adEmpty) {
            field.value_ = readValue(stmt_, i, field.type_);
        }
        field.changed_ = false;
    }
}

void Recordset::requireOpen() const {
    if (stmt_ == nullptr) {
        throw Error(QStringLiteral("对象关闭时，不允许操作。"));
    }
}

void Recordset::requireUpdatable() const {
    requireOpen();
    if (!updatable_ || table_.isEmpty()) {
        throw Error(QStringLiteral("当前记录集不支持更新。这可能是提供程序的限制，"
                                   "也可能是选定锁定类型的限制。"));
    }
}

void Recordset::beginEdit() {
    requireUpdatable();
    if (edit_ == Edit::None) {
        if (eof_) {
            throw Error(QStringLiteral("BOF 或 EOF 中有一个是“真”，或者当前的记录已被删除，"
                                       "所需的操作要求一个当前的记录。"));
        }
        edit_ = Edit::Current;
    }
}

void Recordset::AddNew() {
    requireOpen();
    if (edit_ != Edit::None) {
        Update();
    }
    requireUpdatable();
    edit_ = Edit::New;
    for (Field& field : fields_.fields_) {
        field.value_ = field.type_ == adBoolean ? QVariant(false) : QVariant();
        field.changed_ = false;
    }
}

void Recordset::Update() {
    requireOpen();
    if (edit_ == Edit::New) {
        insertRow();
    } else if (edit_ == Edit::Current) {
        updateRow();
    }
    finishEdit();
}

void Recordset::CancelUpdate() {
    requireOpen();
    if (!eof_) {
        readCurrentValues();
    }
    finishEdit();
}

void Recordset::finishEdit() {
    edit_ = Edit::None;
    for (Field& field : fields_.fields_) {
        field.changed_ = false;
    }
}

void Recordset::bindChanged(sqlite3_stmt* stmt) {
    int index = 1;
    for (const Field& field : fields_.fields_) {
        if (field.changed_) {
            bindValue(stmt, index++, field.value_);
        }
    }
}

void Recordset::insertRow() {
    QString columns;
    QString marks;
    for (const Field& field : fields_.fields_) {
        if (field.changed_) {
            columns +=
                (columns.isEmpty() ? QString() : QStringLiteral(",")) + quoteName(field.column_);
            marks += marks.isEmpty() ? QStringLiteral("?") : QStringLiteral(",?");
        }
    }
    sqlite3* db = database_->Handle();
    if (insert_ == nullptr || columns != insertColumns_) {
        finalize(insert_);
        const QByteArray sql =
            (columns.isEmpty()
                 ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteName(table_))
                 : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(quoteName(table_), columns, marks))
                .toUtf8();
        if (sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &insert_,
                               nullptr) != SQLITE_OK) {
            const Error error = database_->LastError();
            finalize(insert_);
            throw error;
        }
        insertColumns_ = columns;
    }
    bindChanged(insert_);
    database_->StartStep();
    const int rc = sqlite3_step(insert_);
    sqlite3_reset(insert_);
    sqlite3_clear_bindings(insert_);
    if (rc != SQLITE_DONE) {
        throw database_->LastError();
    }
    for (Field& field : fields_.fields_) {
        if (field.column_.compare(u"id", Qt::CaseInsensitive) == 0) {
            field.value_ = static_cast<int>(sqlite3_last_insert_rowid(db));
        }
    }
}

void Recordset::updateRow() {
    const Field* id = fields_.find(QStringLiteral("id"));
    if (id == nullptr || id->IsNull()) {
        throw Error(QStringLiteral("当前记录集不支持更新。这可能是提供程序的限制，"
                                   "也可能是选定锁定类型的限制。"));
    }
    QString assignments;
    for (const Field& field : fields_.fields_) {
        if (field.changed_) {
            assignments += (assignments.isEmpty() ? QString() : QStringLiteral(",")) +
                           quoteName(field.column_) + QStringLiteral("=?");
        }
    }
    if (assignments.isEmpty()) {
        return;
    }
    const QByteArray sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3=%4")
                               .arg(quoteName(table_), assignments, quoteName(id->column_),
                                    QString::number(id->Value().toLongLong()))
                               .toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(database_->Handle(), sql.constData(), static_cast<int>(sql.size()),
                           &stmt, nullptr) != SQLITE_OK) {
        const Error error = database_->LastError();
        finalize(stmt);
        throw error;
    }
    bindChanged(stmt);
    database_->StartStep();
    const int rc = sqlite3_step(stmt);
    finalize(stmt);
    if (rc != SQLITE_DONE) {
        throw database_->LastError();
    }
}

void Recordset::Close() {
    finalize(stmt_);
    finalize(insert_);
    insertColumns_.clear();
    table_.clear();
    fields_.fields_.clear();
    database_.reset();
    eof_ = true;
    edit_ = Edit::None;
}

} // namespace ado
