// The pictures of every page: each page as a user sees it (title, tree item,
// buttons, legend) whatever page was shown before, and the thirteen files
// saved from it.
#include "unitRegistrationWizard_Screenshots.h"
#include "UnitServiceGrid.h"
#include "UnitWizardOnScreen.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QTranslator>
#include <QTreeWidget>

namespace {
// Each page's title, tree item and legend; the buttons differ only on the
// terms page (I Accept, I Decline) and the completion page (Finish alone).
const struct TrecPageSeen {
    int iPage;
    const char *pchTitle;
    int iTreeItem;
    bool bLegend;
} arPagesSeen[] = {
    {wpWelcome, "Welcome to Zorv Morvane Registration", 0, false},
    {wpTerms, "Terms and Conditions", 1, false},
    {wpSenderInfo, "Shipper Information", 2, true},
    {wpSenderInfoCont, "Shipper Information (continued)", 2, true},
    {wpCommSetting, "Communication Settings", 3, true},
    {wpPickupDetails, "Pickup Location Details", 4, true},
    {wpInternetDetails, "Internet Settings", 5, false},
    {wpApplSecurity, "Application Security", 8, false},
    {wpSummary, "Summary of Entered Registration Data", 9, false},
    {wpSiteRegistration, "Site Registration", 9, false},
    {wpRegistrationCompleted, "Registration Completed", 10, false},
};

const QStringList cslFileNames =
    QStringLiteral("01-welcome 02-terms 03-sender-info 04-sender-info-cont 05-comm-setting "
                   "06-pickup-details 07-internet-details 08-ftp-setting 09-email-setting "
                   "10-appl-security 11-summary 12-site-registration 13-registration-completed")
        .split(QLatin1Char(' '))
        .replaceInStrings(QRegularExpression(QStringLiteral("$")), QStringLiteral(".png"));

// A language whose every text is the English one said twice.
class TclsDoublingTranslator : public QTranslator {
public:
    QString translate(const char *, const char *pchSource, const char *, int) const override {
        const QString st = QString::fromUtf8(pchSource);
        return st.isEmpty() ? st : st + st;
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_PageScreenshots : public QObject {
    Q_OBJECT
private slots:
    void EachPageAsSeenFromAnyOther();
    void SavedPicturesAreThePages();
    void EveryCaptionFitsItsControl_data();
    void EveryCaptionFitsItsControl();
};

// Forward and then backward: a caption or state of one page must not stay
// on the next picture.
void tst_PageScreenshots::EachPageAsSeenFromAnyOther() {
    TrecInstalledWizard<> w;
    QVERIFY2(w.fnbStarted(), w.fnbaError());
    auto *lblTitle = fnpControl<QLabel>(w.frm, "lblScreenName");
    auto *lblLegend = fnpControl<QLabel>(w.frm, "lblMandatoryField");
    auto *tvw = fnpControl<QTreeWidget>(w.frm, "tvwRegistrationWizard");
    auto *btnNext = fnpControl<QPushButton>(w.frm, "btnNext");
    auto *btnBack = fnpControl<QPushButton>(w.frm, "btnBack");
    auto *btnCancel = fnpControl<QPushButton>(w.frm, "btnCancel");
    std::vector<TrecPageSeen> arOrder(std::begin(arPagesSeen), std::end(arPagesSeen));
    arOrder.insert(arOrder.end(), std::rbegin(arPagesSeen), std::rend(arPagesSeen));
    for (const TrecPageSeen &c : arOrder) {
        w.frm.pShowPageAsSeen(c.iPage);
        const QByteArray baPage = QByteArray::number(c.iPage);
        QVERIFY2(w.frm.fniCurrentPage() == c.iPage, baPage);
        QCOMPARE(lblTitle->text(), QString::fromUtf8(c.pchTitle));
        QVERIFY2(tvw->indexOfTopLevelItem(tvw->currentItem()) == c.iTreeItem, baPage);
        const bool bTerms = c.iPage == wpTerms, bLast = c.iPage == wpRegistrationCompleted;
        QCOMPARE(btnNext->text(), bTerms  ? QStringLiteral("I &Accept")
                                  : bLast ? QStringLiteral("&Finish")
                                          : QStringLiteral("&Next >"));
        QCOMPARE(btnCancel->text(),
                 bTerms ? QStringLiteral("I &Decline") : QStringLiteral("&Cancel"));
        QVERIFY2(btnBack->isEnabled() == (c.iPage != wpWelcome && !bLast), baPage);
        QVERIFY2(btnCancel->isEnabled() == !bLast, baPage);
        QVERIFY2(lblLegend->isVisibleTo(&w.frm) == c.bLegend, baPage);
    }
    // No page was checked on the way: the empty sender page raised nothing.
    QVERIFY(w.objAnswerer.fnarAsked().empty());
    // The SFTP page's legend follows its box, and the site-registration page's
    // Next the service, as the communication page would leave them: without the
    // service a user cannot send the registration.
    auto *stg = fnpControl<QTableWidget>(w.frm, "stgCSServiceSettings");
    QTableWidgetItem *itmSiteReg = nullptr;
    for (int i = 0; i < stg->rowCount(); ++i)
        if (stg->item(i, sgcService)->text() == QLatin1String("Site Registration"))
            itmSiteReg = stg->item(i, sgcActivated);
    QVERIFY(itmSiteReg);
    for (const bool b : {false, true, false}) {
        fnpControl<QCheckBox>(w.frm, "chkCSEODviaFTP")->setChecked(b);
        itmSiteReg->setText(b ? QStringLiteral("true") : QStringLiteral("false"));
        w.frm.pShowPageAsSeen(wpFTPSetting);
        QCOMPARE(fnpControl<QLabel>(w.frm, "lblMandatoryField")->isVisibleTo(&w.frm), b);
        w.frm.pShowPageAsSeen(wpSiteRegistration);
        QCOMPARE(fnpControl<QPushButton>(w.frm, "btnNext")->isEnabled(), b);
    }
}

void tst_PageScreenshots::SavedPicturesAreThePages() {
    TrecInstalledWizard<> w;
    QVERIFY2(w.fnbStarted(), w.fnbaError());
    QTemporaryDir dirOut;
    const QString stDir = dirOut.filePath(QStringLiteral("docs/screenshots"));
    const QStringList slSaved = fnslSavePageScreenshots(w.frm, stDir);
    QCOMPARE(QDir(stDir).entryList(QDir::Files, QDir::Name), cslFileNames);
    QCOMPARE(slSaved.size(), cslFileNames.size());
    QSet<size_t> setPictures;
    for (int iPage = wpWelcome; iPage <= wpRegistrationCompleted; ++iPage) {
        QCOMPARE(slSaved.at(iPage), QDir(stDir).filePath(cslFileNames.at(iPage)));
        const QImage img = QImage(slSaved.at(iPage)).convertToFormat(QImage::Format_RGB32);
        setPictures.insert(qHashBits(img.constBits(), img.sizeInBytes()));
        // Shown again, the page paints what its file holds.
        w.frm.pShowPageAsSeen(iPage);
        QVERIFY2(w.frm.grab().toImage().convertToFormat(QImage::Format_RGB32) == img,
                 qPrintable(slSaved.at(iPage)));
    }
    QCOMPARE(setPictures.size(), cslFileNames.size());
    // A folder that cannot be made: nothing is saved.
    const QString stFile = dirOut.filePath(QStringLiteral("file"));
    QFile file(stFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(fnslSavePageScreenshots(w.frm, stFile + QStringLiteral("/pictures")).isEmpty());
    QVERIFY(!QFileInfo::exists(stFile + QStringLiteral("/pictures")));
}

// A caption the form cuts off (one line, narrower than its text) is read
// wrongly or not at all: every label, check box and radio button shown on any
// page is at least as wide as its text needs in the form's font.
// Every caption is shown whole, in English and in a language whose texts
// are twice as long (each text said twice): the pages' layouts and the
// window grow with their captions.
void tst_PageScreenshots::EveryCaptionFitsItsControl_data() {
    QTest::addColumn<bool>("bDoubled");
    QTest::newRow("English") << false;
    QTest::newRow("twice as long") << true;
}

void tst_PageScreenshots::EveryCaptionFitsItsControl() {
    QFETCH(bool, bDoubled);
    TclsDoublingTranslator objDoubling;
    if (bDoubled)
        QCoreApplication::installTranslator(&objDoubling);
    TrecInstalledWizard<> w;
    QVERIFY2(w.fnbStarted(), w.fnbaError());
    w.frm.show();
    QStringList slCut;
    for (int iPage = wpWelcome; iPage <= wpRegistrationCompleted; ++iPage) {
        w.frm.pShowPageAsSeen(iPage);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (QWidget *wgt : w.frm.findChildren<QWidget *>()) {
            auto *lbl = qobject_cast<QLabel *>(wgt);
            auto *btn = qobject_cast<QAbstractButton *>(wgt);
            const bool bOneLineCaption = (lbl && !lbl->wordWrap() && !lbl->text().isEmpty()) ||
                                         (btn && !btn->text().isEmpty());
            if (bOneLineCaption && wgt->isVisibleTo(&w.frm) &&
                wgt->width() < wgt->sizeHint().width())
                slCut << QStringLiteral("page %1: %2 is %3 wide, its text needs %4")
                             .arg(iPage)
                             .arg(wgt->objectName())
                             .arg(wgt->width())
                             .arg(wgt->sizeHint().width());
        }
    }
    QCoreApplication::removeTranslator(&objDoubling);
    slCut.removeDuplicates();
    QVERIFY2(slCut.isEmpty(), qPrintable(slCut.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_PageScreenshots)
#include "tst_PageScreenshots.moc"
