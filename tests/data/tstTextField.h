// One text field of a record by its column name, with pstNew written into it first.
#pragma once

#include "UnitAccessToDatabaseDLL.h"

class TclsTextField : public TclsFieldVisitor {
public:
    TclsTextField(const QByteArray &baColumn, const QString *pstNew)
        : baColumn(baColumn), pstNew(pstNew) {}
    void pField(const TrecColumn &recColumn, TFieldRef refField) override {
        auto *ppst = std::get_if<QString *>(&refField);
        if (!ppst || baColumn != recColumn.pchName)
            return;
        if (pstNew)
            **ppst = *pstNew;
        stValue = **ppst;
        bFound = true;
    }
    QString stValue = QStringLiteral("<no field>");
    bool bFound = false;

private:
    QByteArray baColumn;
    const QString *pstNew;
};
