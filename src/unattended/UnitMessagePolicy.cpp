// The unattended run's answers to message boxes and dialogs.
#include "UnitMessagePolicy.h"

#include "unitManualSiteRegistration.h"
#include "unitWarnMessage.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
QString fnstShown(QString st) {
    return st.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
// Line breaks do not count when a key is looked for in a message.
QString fnstFolded(QString st) {
    st.replace(QLatin1String("\r\n"), QLatin1String(" "));
    return st.replace(QLatin1Char('\n'), QLatin1Char(' '));
}
QString fnstCaption(QString st) {
    return st.remove(QLatin1Char('&'));
}
} // namespace

TclsMessagePolicy::TclsMessagePolicy(const TclsAnswersFile &objAnswers, QString stManualSiteId,
                                     std::FILE *pOut)
    : objAnswers(objAnswers), stManualSiteId(std::move(stManualSiteId)), pOut(pOut) {
    fnPreviousAnswerer =
        pSetMessageAnswerer([this](const TrecMessageDlg &rec) { return fniAnswer(rec); });
    fnPreviousRunner = pSetModalRunner([this](QDialog &dlg) { return fniRunDialog(dlg); });
}

TclsMessagePolicy::~TclsMessagePolicy() {
    pSetMessageAnswerer(std::move(fnPreviousAnswerer));
    pSetModalRunner(std::move(fnPreviousRunner));
}

void TclsMessagePolicy::pPrint(const QString &st) const {
    std::fprintf(pOut, "%s\n", qPrintable(st));
    std::fflush(pOut);
}

int TclsMessagePolicy::fniAnswer(const TrecMessageDlg &rec) {
    stLastMessage = fnstShown(rec.stMessage);
    pPrint(rec.stCaption + QStringLiteral(": ") + stLastMessage);
    int iAnswer = rec.fniDefaultIndex();
    const QString stFolded = fnstFolded(rec.stMessage);
    for (const TrecAnswer &recAnswer : objAnswers.fnarSection(cstAnswersSection)) {
        if (!stFolded.contains(recAnswer.stKey))
            continue;
        iAnswer = -1;
        for (qsizetype i = 0; i < rec.slButtons.size(); ++i)
            if (fnstCaption(rec.slButtons[i]).compare(recAnswer.stValue, Qt::CaseInsensitive) == 0)
                iAnswer = int(i);
        if (iAnswer < 0) {
            stError = objAnswers.fnstWhere(recAnswer) + QStringLiteral("the message has no \"") +
                      recAnswer.stValue + QStringLiteral("\" button");
            iAnswer = rec.fniDefaultIndex();
        }
        break;
    }
    if (iAnswer < rec.slButtons.size())
        pPrint(QStringLiteral("  -> ") + fnstCaption(rec.slButtons[iAnswer]));
    return iAnswer;
}

int TclsMessagePolicy::fniRunDialog(QDialog &dlg) {
    if (auto *frmList = qobject_cast<TfrmWarnMessage *>(&dlg)) {
        pPrint(dlg.windowTitle() + QLatin1Char(':'));
        for (const QString &stLine : frmList->fnslLines())
            pPrint(QStringLiteral("  ") + fnstShown(stLine));
        return QDialog::Accepted;
    }
    if (qobject_cast<TfrmManualSiteRegistration *>(&dlg)) {
        auto *edtSiteId = dlg.findChild<QLineEdit *>(QStringLiteral("edtSiteId"));
        auto *btnOK = dlg.findChild<QPushButton *>(QStringLiteral("btnOK"));
        if (stManualSiteId.isEmpty() || !edtSiteId || !btnOK) {
            pPrint(dlg.windowTitle() + QStringLiteral(": closed, no site ID was given"));
            return QDialog::Rejected;
        }
        pPrint(dlg.windowTitle() + QStringLiteral(": ") + stManualSiteId);
        edtSiteId->setText(stManualSiteId);
        btnOK->click();
        return dlg.result();
    }
    pPrint(dlg.windowTitle() + QStringLiteral(": closed"));
    return QDialog::Rejected;
}
