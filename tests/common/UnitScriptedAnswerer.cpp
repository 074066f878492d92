// Scripted message box answers, given from inside the real box or returned.
#include "UnitScriptedAnswerer.h"

#include "UnitInsideModalLoop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QtTest>
#include <QWindow>

namespace {
TAnswerMode fnamDefaultMode() {
    return qobject_cast<QApplication *>(QCoreApplication::instance()) ? amInsideTheBox : amReturned;
}

// The box's button with the caption of the given answer; a box given no
// captions has one button of its own.
QAbstractButton *fnbtnOf(QMessageBox &box, const TrecMessageDlg &rec, int iButton) {
    const QList<QAbstractButton *> arButtons = box.buttons();
    if (rec.slButtons.isEmpty())
        return arButtons.isEmpty() ? nullptr : arButtons.front();
    for (QAbstractButton *btn : arButtons)
        if (btn->text() == rec.slButtons.value(iButton))
            return btn;
    return nullptr;
}
} // namespace

TclsScriptedAnswerer::TclsScriptedAnswerer() : TclsScriptedAnswerer(fnamDefaultMode()) {}

TclsScriptedAnswerer::TclsScriptedAnswerer(TAnswerMode amMode) : amMode(amMode) {
    if (amMode == amInsideTheBox)
        pStandInForWindowManager();
    fnPrevious = pSetMessageAnswerer([this](const TrecMessageDlg &rec) { return fniAnswer(rec); });
}

TclsScriptedAnswerer::~TclsScriptedAnswerer() {
    pSetMessageAnswerer(std::move(fnPrevious));
}

TclsScriptedAnswerer::TrecAnswer TclsScriptedAnswerer::fnrecNextAnswer(const TrecMessageDlg &rec) {
    if (!arPlanned.empty()) {
        const TrecAnswer rec = arPlanned.front();
        arPlanned.pop_front();
        return rec;
    }
    arUnexpected.push_back(rec);
    if (QTest::currentTestFunction()) {
        const QString stWhy = QStringLiteral("A message box the test did not expect: ") +
                              rec.stCaption + QStringLiteral(": ") + rec.stMessage;
        QTest::qFail(qPrintable(stWhy), __FILE__, __LINE__);
    }
    return {akButton, rec.fniDefaultIndex()};
}

int TclsScriptedAnswerer::fniAnswer(const TrecMessageDlg &rec) {
    arAsked.push_back(rec);
    const TrecAnswer recAnswer = fnrecNextAnswer(rec);
    // Escape and the close button press the box's last button.
    const int iLast = int(std::max<qsizetype>(rec.slButtons.size(), 1)) - 1;
    if (amMode == amReturned)
        return recAnswer.akKind == akButton ? recAnswer.iButton : iLast;
    pRunInsideNextModal([rec, recAnswer](QWidget &w) {
        auto *box = qobject_cast<QMessageBox *>(&w);
        if (!box)
            return;
        switch (recAnswer.akKind) {
        case akButton:
            if (QAbstractButton *btn = fnbtnOf(*box, rec, recAnswer.iButton))
                QTest::mouseClick(btn, Qt::LeftButton);
            break;
        case akEscape:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        case akClose:
            box->windowHandle()->close();
            break;
        }
    });
    return fniShowMessageBox(rec);
}

QStringList TclsScriptedAnswerer::fnslAsked(bool bCaptions) const {
    QStringList sl;
    for (const TrecMessageDlg &rec : arAsked)
        sl << (bCaptions ? rec.stCaption + QStringLiteral(" | ") + rec.stMessage : rec.stMessage);
    return sl;
}
