// The base of every record class exchanged with the database library, and the
// field description each record class gives of itself. The one description
// serves reading rows, writing them, cutting texts to their widths, creating the
// tables and keeping secrets out of logs.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

enum TColumnFlag : unsigned {
    cfNone = 0,
    cfSecret = 1, // a password: never logged, never printed
};

struct TrecColumn {
    const char *pchName;
    int iWidth = 0; // maximum length of a text in characters; 0 = unbounded
    unsigned uFlags = cfNone;
};

// A reference to one field of a record. A text list is stored as one text, its
// entries separated by line feeds.
using TFieldRef = std::variant<QString *, qint32 *, qint16 *, bool *, double *, QDateTime *,
                               QTime *, std::optional<qint32> *, QStringList *>;

// The kinds of stored values, in the order of TFieldRef's alternatives.
enum class TFieldKind {
    Text,
    Integer,
    SmallInt,
    Boolean,
    Real,
    DateTime,
    Time,
    NullableInteger,
    TextList
};
inline TFieldKind fnKindOf(const TFieldRef &ref) {
    return static_cast<TFieldKind>(ref.index());
}

class TclsFieldVisitor {
public:
    virtual ~TclsFieldVisitor() = default;
    virtual void pField(const TrecColumn &recColumn, TFieldRef refField) = 0;
};

class TclsMVData {
public:
    explicit TclsMVData(const char *pchClassName)
        : stClassName(QString::fromLatin1(pchClassName)) {}
    virtual ~TclsMVData() = default;
    TclsMVData(const TclsMVData &) = default;
    TclsMVData &operator=(const TclsMVData &) = default;

    // The name the library knows the record class by, e.g. "TclsSendersDB".
    const QString &fnstClassName() const { return stClassName; }

    // Every record carries the integer key of its row (row locks use it); 0 for a
    // record that has not been stored yet.
    qint32 record_key = 0;

    // Visits every stored field except record_key, in column order.
    virtual void pVisitFields(TclsFieldVisitor &objVisitor) = 0;

    // Cuts every fixed-width text to its width.
    void pCutToWidths();

private:
    QString stClassName;
};

using TobjarMVData = std::vector<std::unique_ptr<TclsMVData>>;

// The first record of a query's rows as its class, or nullptr.
template <class T> T *fnpFirstRecord(const TobjarMVData &objar) {
    return objar.empty() ? nullptr : dynamic_cast<T *>(objar.front().get());
}

// One criterion of a query: a field name and its value. A text value arrives
// quoted as the caller would write it in SQL ("'DEFAULT'"); the library binds it.
struct TrecFields {
    QString stFieldName;
    QVariant vValue;
};
using TrecarFields = std::vector<TrecFields>;
using TiarFields = std::vector<int>;

// The record as the type of its class, or nullptr when it is another class.
template <class T> T *fnobjAs(const std::unique_ptr<TclsMVData> &obj) {
    return dynamic_cast<T *>(obj.get());
}
