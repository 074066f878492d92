#include "unitHelpFile.h"
#include "unitPrintDocument.h"
#include "UnitWizardOnScreen.h"

#include <QDir>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QtTest>

#include <set>
#include <vector>

namespace {
struct TrecHelpRequests {
    std::vector<std::pair<QString, int>> arRequests;
    THelpOpener fnPrevious;
    TrecHelpRequests() {
        fnPrevious = pSetHelpOpener([this](const QString &stFolder, int iContext) {
            arRequests.emplace_back(stFolder, iContext);
        });
    }
    ~TrecHelpRequests() { pSetHelpOpener(fnPrevious); }
    int fniLast() const { return arRequests.empty() ? 0 : arRequests.back().second; }
};

// The print dialog answered as a user would: PDF into the file, copies chosen.
struct TrecPrintAnswers {
    bool bButtonDisabledWhileAsked = false;
    TPrintDialogRunner fnPrevious;
    TrecPrintAnswers(QPushButton *btnPrint, const QString &stOutput, int iCopies, bool bAccept) {
        fnPrevious = pSetPrintDialogRunner([=, this](QPrinter &printer, QWidget *) {
            bButtonDisabledWhileAsked = !btnPrint->isEnabled();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(stOutput);
            printer.setCopyCount(iCopies);
            return bAccept;
        });
    }
    ~TrecPrintAnswers() { pSetPrintDialogRunner(fnPrevious); }
};
} // namespace

class tst_SummaryHelpPrint : public QObject {
    Q_OBJECT
private slots:
    void pWriteSummaryShowsTheDocumentWithNonAsciiNamesIntact() {
        TrecInstalledWizard<> rec;
        QVERIFY2(rec.fnbReady(), rec.fnbaError());
        auto *wbr = fnpControl<QTextBrowser>(rec.frm, "wbrSummary");
        const QString stFile = rec.objInstallation.fnstPath(QStringLiteral("Backup/Summary.html"));
        // Written twice: the second visit shows what changed since the first.
        for (const QString &stCompany :
             {QStringLiteral("Société Générale Zürich"), QStringLiteral("北京 Smith & <Sons>")}) {
            rec.edt("edtSenderCompany")->setText(stCompany);
            rec.frm.pReadPage(wpSenderInfo);
            rec.frm.pWriteSummary();
            QVERIFY(QFile::exists(stFile));
            QVERIFY2(wbr->toPlainText().contains(QStringLiteral("Company\t: ") + stCompany) ||
                         wbr->toPlainText().contains(QStringLiteral("Company\n: ") + stCompany),
                     qPrintable(wbr->toPlainText().left(400)));
        }
        QCOMPARE(rec.objAnswerer.fnarUnexpected().size(), 0);
        rec.objAnswerer.pExpect(0);
        rec.frm.close();
        QVERIFY(!QFile::exists(stFile));
    }

    void F1OpensTheFocusedFieldsTopicAndHelpThePages() {
        TrecInstalledWizard<> rec;
        QVERIFY2(rec.fnbReady(), rec.fnbaError());
        TrecHelpRequests recHelp;

        // The focused field's topic; a frame's combo opens the frame's.
        const std::pair<const char *, int> arF1[] = {{"edtSenderEmail", 1507},
                                                     {"cmbCountryCode", 1501}};
        for (const auto &[pchFocus, iContext] : arF1) {
            QWidget *w = fnpControl<QWidget>(rec.frm, pchFocus);
            w->setFocus();
            QTRY_VERIFY(w->hasFocus());
            QTest::keyClick(w, Qt::Key_F1);
            QCOMPARE(recHelp.fniLast(), iContext);
        }

        auto *stk = fnpControl<QStackedWidget>(rec.frm, "pgcRegistrationWizard");
        for (int iPage = wpWelcome; iPage <= wpRegistrationCompleted; ++iPage) {
            const int iContext = iPage == wpPickupDetails ? 1562
                                 : iPage == wpInternetDetails
                                     ? 1561
                                     : stk->widget(iPage)->property("helpContext").toInt();
            stk->setCurrentIndex(iPage);
            fnpControl<QPushButton>(rec.frm, "btnHelp")->click();
            QVERIFY2(recHelp.fniLast() == iContext, qPrintable(stk->widget(iPage)->objectName()));
        }
        QVERIFY(recHelp.arRequests.back().first.endsWith(QStringLiteral("/Help/Help_English")));
    }

    void everyHelpContextHasATopic() {
        TrecInstalledWizard<> rec;
        QVERIFY2(rec.fnbStarted(), rec.fnbaError());
        // Next and Cancel change their topics on the terms and completion pages.
        std::set<int> setContexts = {1495, 1496, 1558};
        for (int iPage = wpWelcome; iPage <= wpRegistrationCompleted; ++iPage)
            setContexts.insert(TfrmRegistrationWizard::fniPageHelpContext(iPage));
        for (QWidget *w : rec.frm.findChildren<QWidget *>())
            if (w->property("helpContext").isValid())
                setContexts.insert(w->property("helpContext").toInt());
        QVERIFY(setContexts.size() > 90);
        const QString stFolder = rec.frm.fnstHelpFolder();
        for (const int iContext : setContexts) {
            const QString stTopic = fnstHelpTopic(stFolder, iContext);
            QVERIFY2(!stTopic.isEmpty(), qPrintable(QString::number(iContext)));
            QFile file(QDir(stFolder).filePath(stTopic.section(u'#', 0, 0)));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(stTopic));
            const QString stAnchor = stTopic.section(u'#', 1);
            if (!stAnchor.isEmpty())
                QVERIFY2(file.readAll().contains("name=\"" + stAnchor.toUtf8() + "\""),
                         qPrintable(stTopic));
        }
    }

    void printingTheTerms_data() {
        QTest::addColumn<QString>("stFile"); // in the installation
        QTest::addColumn<bool>("bAccept");
        QTest::addColumn<QStringList>("slJobs");
        QTest::addColumn<QString>("stMessage");
        QTest::newRow("three copies, three jobs")
            << "TempData/terms.pdf" << true
            << QStringList{"terms.pdf", "terms_2.pdf", "terms_3.pdf"} << QString();
        QTest::newRow("dialog cancelled")
            << "TempData/terms.pdf" << false << QStringList() << QString();
        // A folder that does not exist: the job cannot be written.
        QTest::newRow("printer error")
            << "NoSuchFolder/terms.pdf" << true << QStringList() << "Error sending job to printer.";
    }

    void printingTheTerms() {
        QFETCH(QString, stFile);
        QFETCH(bool, bAccept);
        QFETCH(QStringList, slJobs);
        QFETCH(QString, stMessage);
        TrecInstalledWizard<> rec;
        QVERIFY2(rec.fnbStarted(), rec.fnbaError());
        auto *btnPrint = fnpControl<QPushButton>(rec.frm, "btnPrint");
        const QString stFolder = rec.objInstallation.fnstPath(QStringLiteral("TempData"));
        TrecPrintAnswers recAnswers(btnPrint, rec.objInstallation.fnstPath(stFile), 3, bAccept);
        if (!stMessage.isEmpty())
            rec.objAnswerer.pExpect(0);
        btnPrint->click();
        QVERIFY(recAnswers.bButtonDisabledWhileAsked && btnPrint->isEnabled());
        const QStringList slFiles =
            QDir(stFolder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
        QCOMPARE(slFiles, slJobs);
        for (const QString &stJob : slFiles) {
            QFile file(QDir(stFolder).filePath(stJob));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray ba = file.readAll();
            QVERIFY(ba.startsWith("%PDF") && ba.count("%%EOF") == 1);
        }
        QCOMPARE(rec.objAnswerer.fnslAsked().join(QString()), stMessage);
    }
};

QTEST_MAIN(tst_SummaryHelpPrint)
#include "tst_SummaryHelpPrint.moc"
