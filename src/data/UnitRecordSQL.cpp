// Field <-> SQL value conversion for the record classes.
#include "UnitRecordSQL.h"

#include "UnitSecretKey.h"

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
    explicit TclsValueCollector(const QString &stTable) : stTable(stTable) {}
    QVariantList vlValues;
    void pField(const TrecColumn &rec, TFieldRef ref) override {
        vlValues.append(std::visit(
            [this, &rec](auto *p) -> QVariant {
                using T = std::remove_pointer_t<decltype(p)>;
                if constexpr (std::is_same_v<T, QString>) {
                    // The width is the plain value's: cut, then sealed.
                    const QString st = rec.iWidth > 0 ? p->left(rec.iWidth) : *p;
                    return rec.uFlags & cfSecret
                               ? fnstSealSecret(stTable, QLatin1String(rec.pchName), st)
                               : st;
                } else if constexpr (std::is_same_v<T, bool>)
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

private:
    const QString &stTable;
};

class TclsRowReader : public TclsFieldVisitor {
public:
    TclsRowReader(const QSqlQuery &q, const QString &stTable) : query(q), stTable(stTable) {}
    // The secret columns that did not open, as "table.column".
    QStringList slUnopened;
    void pField(const TrecColumn &rec, TFieldRef ref) override {
        QVariant v = query.value(iIndex++);
        if (rec.uFlags & cfSecret && !v.isNull()) {
            // A secret that does not open is never shown: the field stays empty.
            const auto oPlain = fnoOpenSecret(stTable, QLatin1String(rec.pchName), v.toString());
            if (!oPlain)
                slUnopened << stTable + QLatin1Char('.') + QLatin1String(rec.pchName);
            v = oPlain.value_or(QString());
        }
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
    const QString &stTable;
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

QVariantList fnvlBindValuesOf(TclsMVData &objRecord, const QString &stTable) {
    TclsValueCollector objCollector(stTable);
    objRecord.pVisitFields(objCollector);
    return std::move(objCollector.vlValues);
}

QStringList fnslReadRow(TclsMVData &objRecord, const QSqlQuery &query, const QString &stTable) {
    objRecord.record_key = query.value(0).toInt();
    TclsRowReader objReader(query, stTable);
    objRecord.pVisitFields(objReader);
    return objReader.slUnopened;
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
