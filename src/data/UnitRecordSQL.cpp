// Field <-> SQL value conversion for the record classes.
#include "UnitRecordSQL.h"

#include <QMetaType>

namespace {
// Text lists are stored as one text, one entry per line.
const QChar cchListSeparator = QLatin1Char('\n');

class TclsColumnLister : public TclsFieldVisitor {
public:
    std::vector<TrecColumnInfo> arColumns;
    void pField(const TrecColumn &rec, TFieldRef ref) override {
        arColumns.push_back(
            {QString::fromLatin1(rec.pchName), rec.iWidth, rec.uFlags, fnKindOf(ref)});
    }
};

class TclsValueCollector : public TclsFieldVisitor {
public:
    QVariantList vlValues;
    void pField(const TrecColumn &rec, TFieldRef ref) override {
        vlValues.append(std::visit(
            [&rec](auto *p) -> QVariant {
                using T = std::remove_pointer_t<decltype(p)>;
                if constexpr (std::is_same_v<T, QString>)
                    return rec.iWidth > 0 ? p->left(rec.iWidth) : *p;
                else if constexpr (std::is_same_v<T, bool>)
                    return QVariant(*p ? 1 : 0);
                else if constexpr (std::is_same_v<T, qint16>)
                    return QVariant(static_cast<qint32>(*p));
                else if constexpr (std::is_same_v<T, QDateTime>)
                    return p->isValid() ? QVariant(p->toString(Qt::ISODate))
                                        : QVariant(QMetaType(QMetaType::QString));
                else if constexpr (std::is_same_v<T, QTime>)
                    return p->isValid() ? QVariant(p->toString(QStringLiteral("HH:mm:ss")))
                                        : QVariant(QMetaType(QMetaType::QString));
                else if constexpr (std::is_same_v<T, std::optional<qint32>>)
                    return p->has_value() ? QVariant(**p) : QVariant(QMetaType(QMetaType::Int));
                else if constexpr (std::is_same_v<T, QStringList>)
                    return p->join(cchListSeparator);
                else
                    return QVariant(*p);
            },
            ref));
    }
};

class TclsRowReader : public TclsFieldVisitor {
public:
    explicit TclsRowReader(const QSqlQuery &q) : query(q) {}
    void pField(const TrecColumn &, TFieldRef ref) override {
        const QVariant v = query.value(iIndex++);
        std::visit(
            [&v](auto *p) {
                using T = std::remove_pointer_t<decltype(p)>;
                if (v.isNull()) {
                    *p = T{};
                } else if constexpr (std::is_same_v<T, QString>) {
                    *p = v.toString();
                } else if constexpr (std::is_same_v<T, bool>) {
                    *p = v.toInt() != 0 ||
                         v.toString().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
                } else if constexpr (std::is_same_v<T, qint16>) {
                    *p = static_cast<qint16>(v.toInt());
                } else if constexpr (std::is_same_v<T, qint32>) {
                    *p = v.toInt();
                } else if constexpr (std::is_same_v<T, double>) {
                    *p = v.toDouble();
                } else if constexpr (std::is_same_v<T, QDateTime>) {
                    *p = v.typeId() == QMetaType::QDateTime
                             ? v.toDateTime()
                             : QDateTime::fromString(v.toString(), Qt::ISODate);
                } else if constexpr (std::is_same_v<T, QTime>) {
                    *p = v.typeId() == QMetaType::QTime
                             ? v.toTime()
                             : QTime::fromString(v.toString(), QStringLiteral("HH:mm:ss"));
                } else if constexpr (std::is_same_v<T, std::optional<qint32>>) {
                    *p = v.toInt();
                } else if constexpr (std::is_same_v<T, QStringList>) {
                    const QString st = v.toString();
                    *p = st.isEmpty() ? QStringList{} : st.split(cchListSeparator);
                }
            },
            ref);
    }

private:
    const QSqlQuery &query;
    int iIndex = 1; // column 0 is record_key
};
} // namespace

std::vector<TrecColumnInfo> fnarColumnsOf(TclsMVData &objRecord) {
    TclsColumnLister objLister;
    objRecord.pVisitFields(objLister);
    return std::move(objLister.arColumns);
}

const TrecColumnInfo *fnpFindColumn(const std::vector<TrecColumnInfo> &arColumns,
                                    const QString &stName) {
    for (const auto &rec : arColumns)
        if (rec.stName.compare(stName, Qt::CaseInsensitive) == 0)
            return &rec;
    return nullptr;
}

QVariantList fnvlBindValuesOf(TclsMVData &objRecord) {
    TclsValueCollector objCollector;
    objRecord.pVisitFields(objCollector);
    return std::move(objCollector.vlValues);
}

void pReadRow(TclsMVData &objRecord, const QSqlQuery &query) {
    objRecord.record_key = query.value(0).toInt();
    TclsRowReader objReader(query);
    objRecord.pVisitFields(objReader);
}

QVariant fnvBindValue(TFieldKind eKind, const QVariant &vValue) {
    switch (eKind) {
    case TFieldKind::Boolean:
        return vValue.toBool() ? 1 : 0;
    case TFieldKind::Integer:
    case TFieldKind::SmallInt:
    case TFieldKind::NullableInteger:
        return vValue.toInt();
    case TFieldKind::Real:
        return vValue.toDouble();
    default:
        return vValue.toString();
    }
}
