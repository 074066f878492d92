#pragma once

#include "UnitFocusMoves.h"
#include "UnitFraCountry.h"
#include "UnitInsideModalLoop.h"
#include "unitRegistrationWizard.h"
#include "UnitScriptedAnswerer.h"
#include "UnitTestInstallation.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QtTest>

#include <utility>

template <class T> T *fnpControl(QWidget &frm, const QString &stName) {
    T *p = frm.findChild<T *>(stName);
    if (!p)
        qFatal("no control %s", qPrintable(stName));
    return p;
}
template <class T> T *fnpControl(QWidget &frm, const char *pchName) {
    return fnpControl<T>(frm, QString::fromLatin1(pchName));
}

inline TrecInstallationOptions
fnrecWithReferenceData(TrecInstallationOptions rec = fnrecTestOptions()) {
    rec.bReferenceData = true;
    return rec;
}

struct TrecWizard {
    TfrmRegistrationWizard frm;
    TrecWizard() {
        pStandInForWindowManager();
        frm.show();
        frm.activateWindow();
    }
    bool fnbStarted() { return !frm.fnbStartupFailed() && QTest::qWaitForWindowActive(&frm); }
    bool fnbReady() {
        if (!fnbStarted())
            return false;
        frm.pChangePage(QString(), wpTerms, pdNext, 2);
        return frm.fniCurrentPage() == wpSenderInfo;
    }
    QLineEdit *edt(const char *pchName) { return fnpControl<QLineEdit>(frm, pchName); }
    TfraCountry *fraCountry() { return fnpControl<TfraCountry>(frm, "fraSenderCountry"); }
    void pTypeAndLeave(QWidget *w, const QString &stText) {
        pFocusOn(w);
        if (auto *edtField = qobject_cast<QLineEdit *>(w))
            edtField->setText(stText);
        else if (auto *cmb = qobject_cast<QComboBox *>(w))
            cmb->setEditText(stText);
        pFocusOn(edt("edtSenderCompany"));
    }
};

class TclsDialogCounter : public TclsDialogAnswerer {
public:
    TclsDialogCounter() : TclsDialogAnswerer([](QDialog &) { return int(QDialog::Accepted); }) {}
};

// The installation and the answerer of its questions, made before the wizard.
template <class TInstallation> struct TrecInstallationFirst {
    TInstallation objInstallation;
    TclsScriptedAnswerer objAnswerer;
    template <class... TArgs>
    explicit TrecInstallationFirst(TArgs &&...args)
        : objInstallation(std::forward<TArgs>(args)...) {}
};

template <class TInstallation = TclsTestInstallation>
struct TrecInstalledWizard : TrecInstallationFirst<TInstallation>, TrecWizard {
    template <class... TArgs>
    explicit TrecInstalledWizard(TArgs &&...args)
        : TrecInstallationFirst<TInstallation>(std::forward<TArgs>(args)...) {}
    bool fnbStarted() { return this->objInstallation.fnbOk() && TrecWizard::fnbStarted(); }
    bool fnbReady() { return this->objInstallation.fnbOk() && TrecWizard::fnbReady(); }
    QByteArray fnbaError() const { return this->objInstallation.fnstError().toLocal8Bit(); }
};
