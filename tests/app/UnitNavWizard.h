// The wizard put straight onto one of its pages and driven with its Next and
// Back buttons; the error lists it shows are closed at once and counted, the
// texts of its message boxes read back in the order they came.
#pragma once

#include "UnitModalDialog.h"
#include "UnitWizardOnScreen.h"

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>

#include <utility>

struct TrecNavWizard : TrecInstalledWizard<> {
    TclsDialogCounter objLists; // the error lists shown
    size_t iSeen = 0;
    // The arguments make the installation (none: the test options).
    template <class... TArgs>
    explicit TrecNavWizard(TArgs &&...args) : TrecInstalledWizard<>(std::forward<TArgs>(args)...) {}
    // Puts the wizard on the page, as Next from the page before would.
    bool fnbOnPage(int iPage) {
        if (!fnbStarted())
            return false;
        frm.pChangePage(QString(), iPage - 1, QStringLiteral("Next"), 0);
        // Back is enabled once the welcome page is left.
        fnpControl<QPushButton>(frm, "btnBack")->setEnabled(true);
        return frm.fniCurrentPage() == iPage;
    }
    void pNext() { QTest::mouseClick(fnpControl<QPushButton>(frm, "btnNext"), Qt::LeftButton); }
    void pBack() { QTest::mouseClick(fnpControl<QPushButton>(frm, "btnBack"), Qt::LeftButton); }
    QCheckBox *chk(const char *pch) { return fnpControl<QCheckBox>(frm, pch); }
    // The texts of the message boxes asked since the last call.
    QStringList fnslMessages() {
        QStringList sl;
        for (size_t i = iSeen; i < objAnswerer.fnarAsked().size(); ++i)
            sl << objAnswerer.fnarAsked()[i].stMessage;
        iSeen = objAnswerer.fnarAsked().size();
        return sl;
    }
};
