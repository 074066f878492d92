#include "unitRegistrationWizard_Screenshots.h"
#include "UnitWizardOnScreen.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QTreeWidget>

namespace {
// Title, tree item, Next, Cancel, Back and Cancel enabled, legend shown.
using TrecPageSeen = std::pair<int, const char *>;
const TrecPageSeen arPagesSeen[] = {
    {wpWelcome, "Welcome to Zorv Morvane Registration|0|&Next >|&Cancel|01|0"},
    {wpTerms, "Terms and Conditions|1|I &Accept|I &Decline|11|0"},
    {wpSenderInfo, "Shipper Information|2|&Next >|&Cancel|11|1"},
    {wpSenderInfoCont, "Shipper Information (continued)|2|&Next >|&Cancel|11|1"},
    {wpCommSetting, "Communication Settings|3|&Next >|&Cancel|11|1"},
    {wpPickupDetails, "Pickup Location Details|4|&Next >|&Cancel|11|1"},
    {wpInternetDetails, "Internet Settings|5|&Next >|&Cancel|11|0"},
    {wpApplSecurity, "Application Security|8|&Next >|&Cancel|11|0"},
    {wpSummary, "Summary of Entered Registration Data|9|&Next >|&Cancel|11|0"},
    {wpSiteRegistration, "Site Registration|9|&Next >|&Cancel|11|0"},
    {wpRegistrationCompleted, "Registration Completed|10|&Finish|&Cancel|00|0"},
};

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
    // Forward, then backward: nothing of one page may stay on the next.
    void EachPageAsSeenFromAnyOther() {
        TrecInstalledWizard<> w;
        QVERIFY2(w.fnbStarted(), w.fnbaError());
        auto *tvw = fnpControl<QTreeWidget>(w.frm, "tvwRegistrationWizard");
        auto *btnCancel = fnpControl<QPushButton>(w.frm, "btnCancel");
        auto *lblLegend = fnpControl<QLabel>(w.frm, "lblMandatoryField");
        auto fnstSeen = [&] {
            return QStringList{
                fnpControl<QLabel>(w.frm, "lblScreenName")->text(),
                QString::number(tvw->indexOfTopLevelItem(tvw->currentItem())),
                fnpControl<QPushButton>(w.frm, "btnNext")->text(),
                btnCancel->text(),
                QString::number(fnpControl<QPushButton>(w.frm, "btnBack")->isEnabled()) +
                    QString::number(btnCancel->isEnabled()),
                QString::number(lblLegend->isVisibleTo(&w.frm))}
                .join(u'|');
        };
        std::vector<TrecPageSeen> arOrder(std::begin(arPagesSeen), std::end(arPagesSeen));
        arOrder.insert(arOrder.end(), std::rbegin(arPagesSeen), std::rend(arPagesSeen));
        for (const auto &[iPage, pchSeen] : arOrder) {
            w.frm.pShowPageAsSeen(iPage);
            QCOMPARE(w.frm.fniCurrentPage(), iPage);
            QCOMPARE(fnstSeen(), QLatin1String(pchSeen));
        }
        // No page was checked on the way: the empty sender page raised nothing.
        QVERIFY(w.objAnswerer.fnarAsked().empty());
        for (const bool b : {false, true, false}) {
            fnpControl<QCheckBox>(w.frm, "chkCSEODviaFTP")->setChecked(b);
            w.frm.pShowPageAsSeen(wpFTPSetting);
            QCOMPARE(lblLegend->isVisibleTo(&w.frm), b);
        }
    }

    void SavedPicturesAreThePages() {
        TrecInstalledWizard<> w;
        QVERIFY2(w.fnbStarted(), w.fnbaError());
        QTemporaryDir dirOut;
        const QStringList sl = fnslSavePageScreenshots(w.frm, dirOut.filePath("docs/shots"));
        QCOMPARE(sl.size(), wpRegistrationCompleted + 1);
        for (int iPage = wpWelcome; iPage <= wpRegistrationCompleted; ++iPage) {
            w.frm.pShowPageAsSeen(iPage);
            QVERIFY2(w.frm.grab().toImage().convertToFormat(QImage::Format_RGB32) ==
                         QImage(sl.at(iPage)).convertToFormat(QImage::Format_RGB32),
                     qPrintable(sl.at(iPage)));
        }
    }

    void EveryCaptionFitsItsControl_data() {
        QTest::addColumn<bool>("bDoubled");
        QTest::newRow("English") << false;
        QTest::newRow("twice as long") << true;
    }

    void EveryCaptionFitsItsControl() {
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
};

QTEST_MAIN(tst_PageScreenshots)
#include "tst_PageScreenshots.moc"
