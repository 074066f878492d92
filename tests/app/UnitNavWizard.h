#pragma once

#include "UnitFocusMoves.h"
#include "UnitModalDialog.h"
#include "UnitWizardOnScreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>

#include <utility>

enum TClose { clOK, clEscape, clCloseButton };

struct TrecNavWizard : TrecInstalledWizard<> {
    TclsDialogCounter objLists; // the error lists shown
    size_t iSeen = 0;
    template <class... TArgs>
    explicit TrecNavWizard(TArgs &&...args) : TrecInstalledWizard<>(std::forward<TArgs>(args)...) {}
    // Puts the wizard on the page, as Next from the page before would.
    bool fnbOnPage(int iPage) {
        if (!fnbStarted())
            return false;
        frm.pChangePage(QString(), iPage - 1, pdNext, 0);
        // Back is enabled once the welcome page is left.
        fnpControl<QPushButton>(frm, "btnBack")->setEnabled(true);
        return frm.fniCurrentPage() == iPage;
    }
    void pNext() { QTest::mouseClick(fnpControl<QPushButton>(frm, "btnNext"), Qt::LeftButton); }
    void pBack() { QTest::mouseClick(fnpControl<QPushButton>(frm, "btnBack"), Qt::LeftButton); }
    QCheckBox *chk(const char *pch) { return fnpControl<QCheckBox>(frm, pch); }
    QWidget *fnwKeyboard() {
        if (!fnbWindowInFront(&frm))
            qFatal("the wizard did not come back to the front");
        return QApplication::focusWidget();
    }
    void pType(const QString &st) {
        for (const QChar ch : st)
            QTest::keyClick(fnwKeyboard(), ch.toLatin1());
    }
    void pKey(Qt::Key iKey, Qt::KeyboardModifiers iModifiers = {}) {
        QTest::keyClick(fnwKeyboard(), iKey, iModifiers);
    }
    void pPlan(TClose clHow) {
        if (clHow == clOK)
            objAnswerer.pExpect(0);
        else if (clHow == clEscape)
            objAnswerer.pExpectEscape();
        else
            objAnswerer.pExpectClose();
    }
    QStringList fnslAwaited(size_t iCount) {
        if (!QTest::qWaitFor([&] { return objAnswerer.fnarAsked().size() >= iSeen + iCount; }))
            return {QStringLiteral("(no box came)")};
        return fnslMessages();
    }
    QStringList fnslMessages() {
        QStringList sl;
        for (size_t i = iSeen; i < objAnswerer.fnarAsked().size(); ++i)
            sl << objAnswerer.fnarAsked()[i].stMessage;
        iSeen = objAnswerer.fnarAsked().size();
        return sl;
    }
};
