// Driving the wizard page by page through its own Next button.
#include "UnitUnattendedRun.h"

#include "UnitAnswersFill.h"
#include "UnitMessagePolicy.h"
#include "unitRegistrationWizard.h"
#include "unitWizardResourceStrings.h"

#include <QApplication>
#include <QPushButton>
#include <QShortcut>
#include <QThread>

namespace {
// More presses than the wizard has pages, counting the terms and Finish.
constexpr int ciMaxPresses = 20;
// How long the window may take to become active: 200 rounds of 10 ms.
constexpr int ciActivationRounds = 200;

class TclsDriver {
public:
    TclsDriver(const TrecUnattendedOptions &rec, const TclsAnswersFile &objAnswers,
               TclsMessagePolicy &objPolicy, TfrmRegistrationWizard &frm)
        : rec(rec), objAnswers(objAnswers), objPolicy(objPolicy), frm(frm) {}
    int fniRun();

private:
    void pErr(const QString &st) const {
        std::fprintf(rec.pErr, "%s\n", qPrintable(st));
        std::fflush(rec.pErr);
    }
    bool fnbActivated();
    void pPress(int iPage);
    int fniAfterPress(int iPage);
    int fniRefused(int iPage);
    int fniRegistered();
    const TrecUnattendedOptions &rec;
    const TclsAnswersFile &objAnswers;
    TclsMessagePolicy &objPolicy;
    TfrmRegistrationWizard &frm;
};

// Focus moves only within the active window: the fields' exit checks need it.
bool TclsDriver::fnbActivated() {
    frm.activateWindow();
    for (int i = 0; i < ciActivationRounds && !frm.isActiveWindow(); ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return frm.isActiveWindow();
}

int TclsDriver::fniRun() {
    frm.show();
    QCoreApplication::processEvents();
    if (frm.fnbStartupFailed() || !frm.isVisible()) {
        pErr(QStringLiteral("The wizard could not start."));
        return ueNotRun;
    }
    if (!fnbActivated()) {
        pErr(QStringLiteral("The wizard's window could not be made active."));
        return ueNotRun;
    }
    frm.pSetWritesOnNext(!rec.bCheckOnly);
    for (int iPress = 0; iPress < ciMaxPresses; ++iPress) {
        const int iPage = frm.fniCurrentPage();
        if (rec.bCheckOnly && iPage == wpSummary) {
            pErr(QStringLiteral("Every page accepted its answers."));
            return ueRegistered;
        }
        if (iPage == wpRegistrationCompleted)
            return fniRegistered();
        QString stError;
        if (!fnbFillPage(frm, iPage, objAnswers, stError)) {
            pErr(stError);
            return ueNotRun;
        }
        pPress(iPage);
        if (const int iCode = fniAfterPress(iPage); iCode >= 0)
            return iCode;
    }
    pErr(QStringLiteral("The wizard did not reach its completion page."));
    return ueNotRun;
}

// Next as the user presses it; with a site ID the site-registration page is
// left through the manual registration's keys instead.
void TclsDriver::pPress(int iPage) {
    if (iPage == wpSiteRegistration && !rec.stManualSiteId.isEmpty()) {
        const QKeySequence keyManual(Qt::CTRL | Qt::ALT | Qt::Key_R);
        for (QShortcut *shc : frm.findChildren<QShortcut *>())
            if (shc->key() == keyManual)
                emit shc->activated();
    } else {
        auto *btnNext = frm.findChild<QPushButton *>(QStringLiteral("btnNext"));
        btnNext->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        btnNext->click();
    }
    QCoreApplication::processEvents();
}

// The exit code once the press decided the run; -1 to go on.
int TclsDriver::fniAfterPress(int iPage) {
    if (!objPolicy.fnstError().isEmpty()) {
        pErr(objPolicy.fnstError());
        return ueNotRun;
    }
    const int iNow = frm.fniCurrentPage();
    if (iNow == wpRegistrationCompleted)
        return -1;
    if (iPage == wpSiteRegistration) {
        pErr(QStringLiteral("Registration failed: ") + objPolicy.fnstLastMessage());
        return ueNotRegistered;
    }
    if (!frm.isVisible()) {
        pErr(QStringLiteral("The wizard ended on \"") + fnstRS(rs::rsarPageTitles[iPage]) +
             QStringLiteral("\"."));
        return ueNotRun;
    }
    return iNow == iPage ? fniRefused(iPage) : -1;
}

int TclsDriver::fniRefused(int iPage) {
    pErr(QStringLiteral("Stopped on \"") + fnstRS(rs::rsarPageTitles[iPage]) +
         QStringLiteral("\":"));
    if (frm.fnarErrorList().empty())
        pErr(QStringLiteral("  ") + objPolicy.fnstLastMessage());
    for (const TrecMVErrorRecord &recError : frm.fnarErrorList())
        pErr(QStringLiteral("  ") + recError.stControlName + QStringLiteral(": ") +
             recError.stMessage);
    return ueInvalid;
}

// The site ID on standard output, then Finish as the user ends the wizard.
int TclsDriver::fniRegistered() {
    std::fprintf(rec.pOut, "%s\n", qPrintable(frm.fnstSiteRegResult().trimmed()));
    std::fflush(rec.pOut);
    auto *btnNext = frm.findChild<QPushButton *>(QStringLiteral("btnNext"));
    btnNext->click();
    QCoreApplication::processEvents();
    return ueRegistered;
}
} // namespace

int fniRunUnattended(const TrecUnattendedOptions &rec) {
    TclsAnswersFile objAnswers;
    QString stError;
    if (!objAnswers.fnbLoad(rec.stAnswersFile, stError)) {
        std::fprintf(rec.pErr, "%s\n", qPrintable(stError));
        return ueNotRun;
    }
    TclsMessagePolicy objPolicy(objAnswers, rec.stManualSiteId, rec.pErr);
    TfrmRegistrationWizard frm;
    return TclsDriver(rec, objAnswers, objPolicy, frm).fniRun();
}
