// Every page of the wizard shown and saved as a picture, without the checks
// that guard the way to it: a fresh installation cannot pass the sender page,
// yet its pictures must show every page.
#include "unitRegistrationWizard_Screenshots.h"

#include "unitRegistrationWizard.h"

#include "ui_unitRegistrationWizard.h"

#include "unitLogToFile.h"
#include "unitWizardPageSteps.h"
#include "unitWizardResourceStrings.h"

#include <QDir>
#include <QPixmap>

#include <array>

using namespace wps;

namespace {
inline constexpr int ciPageCount = wpRegistrationCompleted + 1;

// The tree item each page highlights; the summary and site-registration pages
// share one, as do the two sender pages.
inline constexpr std::array<int, ciPageCount> ciarTreeItem{0, 1, 2, 2, 3, 4, 5, 6, 7, 8, 9, 9, 10};

inline constexpr std::array<const char *, ciPageCount> pcharPageNames{"welcome",
                                                                      "terms",
                                                                      "sender-info",
                                                                      "sender-info-cont",
                                                                      "comm-setting",
                                                                      "pickup-details",
                                                                      "internet-details",
                                                                      "ftp-setting",
                                                                      "email-setting",
                                                                      "appl-security",
                                                                      "summary",
                                                                      "site-registration",
                                                                      "registration-completed"};
} // namespace

QString fnstPageScreenshotName(int iPage) {
    return QStringLiteral("%1-%2.png")
        .arg(iPage + 1, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(pcharPageNames.at(static_cast<std::size_t>(iPage))));
}

// What the pages hold goes into the holders, as leaving each page would, so
// that the summary and the site-registration page show this installation.
void TfrmRegistrationWizard::pReadPagesForPicture() {
    pReadPage(wpSenderInfo);
    pReadPage(wpSenderInfoCont);
    pReadPage(wpCommSetting);
    ui->tbsPickupDetails->pReadFromScreen(recData);
    ui->tbsFTPSetting->pReadFromScreen(recData);
    ui->tbsEmailSetting->pReadFromScreen(recData);
}

// The legend is up where the page has mandatory fields in use.
bool TfrmRegistrationWizard::fnbLegendShownOn(int iPage) const {
    const TfraCommSettingPage &pgComm = *ui->tbsCommSetting;
    switch (iPage) {
    case wpSenderInfo:
    case wpSenderInfoCont:
    case wpCommSetting:
    case wpPickupDetails:
        return true;
    case wpFTPSetting:
        return pgComm.fnbEndOfDayByFTP();
    case wpEmailSetting:
        return pgComm.fnbEndOfDayByEmail() && pgComm.fnbEndOfDayByEmailAllowed();
    default:
        return false;
    }
}

void TfrmRegistrationWizard::pShowPageAsSeen(int iPage) {
    if (iPage < wpWelcome || iPage > wpRegistrationCompleted)
        return;
    try {
        if (iPage == wpSummary || iPage == wpSiteRegistration)
            pReadPagesForPicture();
        if (iPage == wpSummary)
            pWriteSummary();
        if (iPage == wpSiteRegistration)
            pCreateSiteRegScr();
    } catch (const std::exception &e) {
        pWriteLog(3, cstUnit, QStringLiteral("pShowPageAsSeen"), QString::fromLocal8Bit(e.what()));
    }
    const int iTreeItem = ciarTreeItem.at(static_cast<std::size_t>(iPage));
    if (iPage == wpWelcome)
        pChangePage(fnstTitle(iPage), wpTerms, pdBack, iTreeItem);
    else
        pChangePage(fnstTitle(iPage), iPage - 1, pdNext, iTreeItem);
    pSetNextCancelCaptions(iPage == wpTerms);
    if (iPage == wpRegistrationCompleted)
        ui->btnNext->setText(fnstRS(rs::rsFinish));
    ui->btnBack->setEnabled(iPage != wpWelcome && iPage != wpRegistrationCompleted);
    ui->btnCancel->setEnabled(iPage != wpRegistrationCompleted);
    ui->btnNext->setEnabled(iPage != wpSiteRegistration || recData.bSiteRegActivated);
    pShowMandatoryLegend(fnbLegendShownOn(iPage));
}

QStringList fnslSavePageScreenshots(TfrmRegistrationWizard &frm, const QString &stDir) {
    QStringList slSaved;
    if (!QDir().mkpath(stDir))
        return slSaved;
    const QDir dir(stDir);
    for (int iPage = wpWelcome; iPage <= wpRegistrationCompleted; ++iPage) {
        frm.pShowPageAsSeen(iPage);
        const QString stFile = dir.filePath(fnstPageScreenshotName(iPage));
        if (!frm.grab().save(stFile, "PNG"))
            break;
        slSaved << stFile;
    }
    return slSaved;
}
