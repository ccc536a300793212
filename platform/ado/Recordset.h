#pragma once

#include "platform/ado/Ado.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

struct sqlite3_stmt;

namespace ado {

class Connection;
namespace detail {
class Database;
}

// One column of the current row. Value() is Null (an invalid QVariant) for a Null,
// a bool for Yes/No, a QDate (or QDateTime with a time) for Date/Time, an int for
// numbers and a QString for text.
class Field {
public:
    const QString& Name() const { return name_; }
    int Type() const { return type_; }
    const QVariant& Value() const { return value_; }
    bool IsNull() const { return value_.isNull(); }
    // The value as text: "" for Null, "True"/"False" for Yes/No, yyyy-mm-dd for dates.
    QString Text() const;
    // Changes the value of the current or the new row; Recordset::Update stores it.
    void SetValue(const QVariant& value);

private:
    friend class Recordset;
    friend class FieldList;
    QString name_;
    QString column_; // the table column behind it; empty for an expression
    int type_ = adEmpty;
    QVariant value_;
    bool changed_ = false;
    class Recordset* owner_ = nullptr;
};

class FieldList {
public:
    int Count() const { return static_cast<int>(fields_.size()); }
    // By position from 0; throws ado::Error when there is no such field.
    Field& operator[](int index);
    // By name, letter case ignored; throws ado::Error when there is no such field.
    Field& operator[](const QString& name);
    const Field& operator[](int index) const;
    const Field& operator[](const QString& name) const;

private:
    friend class Recordset;
    const Field* find(const QString& name) const;
    std::vector<Field> fields_;
};

// The rows of one statement, read as they are walked. With lock type
// adLockOptimistic the current row can be changed and new rows added.
class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    void Open(const QString& sql, Connection& connection, int cursorType = adOpenKeyset,
              int lockType = adLockReadOnly, int options = -1);
    int State() const { return stmt_ != nullptr ? adStateOpen : adStateClosed; }
    bool Eof() const;
    void MoveNext();
    FieldList& Fields() { return fields_; }
    const FieldList& Fields() const { return fields_; }

    void AddNew();
    void Update();
    // Drops the changes since AddNew or the first SetValue; the current row reads as stored.
    void CancelUpdate();
    void Close();

private:
    friend class Field;
    enum class Edit { None, Current, New };

    void requireOpen() const;
    void requireUpdatable() const;
    void beginEdit();
    void readRow();
    void readCurrentValues();
    void insertRow();
    void updateRow();
    void bindChanged(sqlite3_stmt* stmt);
    void finishEdit();

    std::shared_ptr<detail::Database> database_;
    sqlite3_stmt* stmt_ = nullptr;
    sqlite3_stmt* insert_ = nullptr;
    QString insertColumns_;
    QString table_;
    FieldList fields_;
    bool eof_ = true;
    bool updatable_ = false;
    Edit edit_ = Edit::None;
};

} // namespace ado
