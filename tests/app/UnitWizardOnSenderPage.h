// The wizard started on a test installation and shown on its sender page,
// for the tests that drive the sender page through the real form.
#pragma once

#include "UnitFraCountry.h"
#include "unitRegistrationWizard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

template <class T> T *fnpControl(QWidget &frm, const QString &stName) {
    T *p = frm.findChild<T *>(stName);
    if (!p)
        qFatal("no control %s", qPrintable(stName));
    return p;
}
template <class T> T *fnpControl(QWidget &frm, const char *pchName) {
    return fnpControl<T>(frm, QString::fromLatin1(pchName));
}

// The wizard started on an installation and shown on the sender page, so
// that leaving a field is a real change of focus.
struct TrecWizard {
    TfrmRegistrationWizard frm;
    TrecWizard() {
        frm.show();
        frm.activateWindow();
    }
    bool fnbReady() {
        if (frm.fnbStartupFailed() || !QTest::qWaitForWindowActive(&frm))
            return false;
        frm.pChangePage(QString(), wpTerms, QStringLiteral("Next"), 2);
        return frm.fniCurrentPage() == wpSenderInfo;
    }
    QLineEdit *edt(const char *pchName) { return fnpControl<QLineEdit>(frm, pchName); }
    TfraCountry *fraCountry() { return fnpControl<TfraCountry>(frm, "fraSenderCountry"); }
    // Types into the field and moves on to the company field.
    void pTypeAndLeave(QWidget *w, const QString &stText) {
        w->setFocus();
        if (auto *edtField = qobject_cast<QLineEdit *>(w))
            edtField->setText(stText);
        else if (auto *cmb = qobject_cast<QComboBox *>(w))
            cmb->setEditText(stText);
        edt("edtSenderCompany")->setFocus();
    }
};
