// The transfer-list form: the incremental search over the adaptor's rows and
// the record a chosen row gives, through the modal runner as a user drives it.
#include "UnitAdHocQuery.h"
#include "UnitInsideModalLoop.h"
#include "UnitModalDialog.h"
#include "UnitSearchList.h"
#include "UnitTestInstallation.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {
const QString cstLongCity = QStringLiteral("San Jose del Monte de las Flores y los Campos Verdes");

void pInsertAirports() {
    const QStringList arRows[] = {
        {"SFO", "San Francisco", "US", "United States"},
        {"SAN", "San Diego", "US", "United States"},
        {"SJC", cstLongCity, "US", "United States"},
        {"SEA", "Seattle", "US", "United States"},
        {"FRA", "Frankfurt am Main", "DE", "Germany"},
    };
    for (const QStringList &sl : arRows) {
        TclsAdHocQuery qry;
        QCOMPARE(qry.fniExecute(QStringLiteral("insert into directory (iata, city, country_cd, "
                                               "country_name) values (?, ?, ?, ?)"),
                                {sl[0], sl[1], sl[2], sl[3]}),
                 0);
    }
}

QStringList fnslShownCities(const TclsSearchListModel &mdl) {
    QStringList sl;
    for (int i = 0; i < mdl.rowCount(); ++i)
        sl << mdl.data(mdl.index(i, 0), Qt::DisplayRole).toString().left(9);
    return sl;
}
} // namespace

class tst_SearchList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void incrementalSearch();
    void chosenRowGivesTheRecord();
    void cancelGivesNothing();

private:
    std::unique_ptr<TclsTestInstallation> objInstallation;
};

void tst_SearchList::init() {
    objInstallation = std::make_unique<TclsTestInstallation>();
    QVERIFY2(objInstallation->fnbOk(), qPrintable(objInstallation->fnstError()));
    pInsertAirports();
}

void tst_SearchList::cleanup() {
    pSetModalRunner({});
    objInstallation.reset();
}

// Keys typed one after another, with a correction in between: each step shows
// the rows whose city starts with the text so far, in city order.
void tst_SearchList::incrementalSearch() {
    TfrmTransferList frm(fnrecDirectoryAdaptor());
    QCOMPARE(frm.fniLoad(), 0);
    QCOMPARE(frm.grdList->objectName(), QStringLiteral("SearchDirectory"));
    QCOMPARE(frm.btnTransfer->text(), QStringLiteral("&Transfer"));
    const struct {
        const char *pchText;
        QStringList slCities;
    } arSteps[] = {
        {"", {"Frankfurt", "San Diego", "San Franc", "San Jose ", "Seattle"}},
        {"s", {"San Diego", "San Franc", "San Jose ", "Seattle"}},
        {"sa", {"San Diego", "San Franc", "San Jose "}},
        {"san f", {"San Franc"}},
        {"san", {"San Diego", "San Franc", "San Jose "}},
        {"SAN J", {"San Jose "}},
        {"san jx", {}},
        {"fr", {"Frankfurt"}},
    };
    for (const auto &step : arSteps) {
        frm.edtSearch->clear();
        QTest::keyClicks(frm.edtSearch, QString::fromLatin1(step.pchText));
        QCOMPARE(fnslShownCities(*frm.fnmdlRows()), step.slCities);
        QCOMPARE(frm.fnoSelected().has_value(), !step.slCities.isEmpty());
    }
}

void tst_SearchList::chosenRowGivesTheRecord() {
    pSetModalRunner(fnrunAnsweringInside([](QDialog &dlg) {
        auto &frm = dynamic_cast<TfrmTransferList &>(dlg);
        QTest::keyClicks(frm.edtSearch, QStringLiteral("san j"));
        frm.btnTransfer->click();
        return dlg.result();
    }));
    const auto oRecord = fnoRunSearchList(fnrecDirectoryAdaptor(QStringLiteral("US")));
    QVERIFY(oRecord.has_value());
    QCOMPARE(oRecord->value(QStringLiteral("IATA")), QStringLiteral("SJC"));
    QCOMPARE(oRecord->value(QStringLiteral("CITY")), cstLongCity.left(45));
    QCOMPARE(oRecord->value(QStringLiteral("COUNTRY_CD")), QStringLiteral("US"));
    QCOMPARE(oRecord->value(QStringLiteral("COUNTRY_NAME")), QStringLiteral("United States"));
}

void tst_SearchList::cancelGivesNothing() {
    const struct {
        const char *pchCase;
        const char *pchTyped;
        bool bTransfer;
    } arCases[] = {
        {"cancelled", "fr", false},
        {"transfer with no row shown", "zz", true},
    };
    for (const auto &c : arCases) {
        pSetModalRunner(fnrunAnsweringInside([&](QDialog &dlg) {
            auto &frm = dynamic_cast<TfrmTransferList &>(dlg);
            QTest::keyClicks(frm.edtSearch, QString::fromLatin1(c.pchTyped));
            (c.bTransfer ? frm.btnTransfer : frm.btnCancel)->click();
            return dlg.result();
        }));
        QVERIFY2(!fnoRunSearchList(fnrecDirectoryAdaptor()).has_value(), c.pchCase);
    }
}

QTEST_MAIN(tst_SearchList)
#include "tst_SearchList.moc"
