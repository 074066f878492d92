// The message box and its replaceable answerer.
#include "UnitMsgDialog.h"

#include "UnitModalDialog.h"

#include "unitGlobalData.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>

namespace {
TMessageAnswerer &gfnAnswerer() {
    static TMessageAnswerer fn;
    return fn;
}

// Messages carry CR LF line breaks; a label wants LF.
QString fnstDisplayText(QString st) {
    return st.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void pSetIcon(QMessageBox &box, int iIconKind, const QString &stIconFile) {
    if (!stIconFile.isEmpty()) {
        const QPixmap pix(fnstResolvePath(stIconFile));
        if (!pix.isNull()) {
            box.setIconPixmap(pix);
            return;
        }
    }
    switch (iIconKind) {
    case mikPicture: {
        const QPixmap pix(
            fnstResolvePath(fnstExecutableRoot() + QStringLiteral("Images/Smiley.bmp")));
        if (!pix.isNull())
            box.setIconPixmap(pix);
        else
            box.setIcon(QMessageBox::Information);
        break;
    }
    case mikError:
        box.setIcon(QMessageBox::Critical);
        break;
    case mikWarning:
        box.setIcon(QMessageBox::Warning);
        break;
    case mikInformation:
        box.setIcon(QMessageBox::Information);
        break;
    case mikQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
    }
}

} // namespace

int fniShowMessageBox(const TrecMessageDlg &rec) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(rec.stCaption);
    box.setText(fnstDisplayText(rec.stMessage));
    pSetIcon(box, rec.iIconKind, rec.stIconFile);
    std::vector<QPushButton *> arButtons;
    for (const QString &stButton : rec.slButtons)
        arButtons.push_back(box.addButton(stButton, QMessageBox::AcceptRole));
    if (arButtons.empty())
        arButtons.push_back(box.addButton(QMessageBox::Ok));
    box.setDefaultButton(arButtons[size_t(rec.fniDefaultIndex())]);
    // Escape presses the last button: "&No", or the only "&OK".
    box.setEscapeButton(arButtons.back());
    {
        const TclsActivationKeeper objKeeper;
        box.exec();
    }
    for (size_t i = 0; i < arButtons.size(); ++i)
        if (box.clickedButton() == arButtons[i])
            return int(i);
    return int(arButtons.size()) - 1;
}

namespace {
int &giMessagesAsked() {
    static int i = 0;
    return i;
}

int fniAnswer(const TrecMessageDlg &rec) {
    ++giMessagesAsked();
    return gfnAnswerer() ? gfnAnswerer()(rec) : fniShowMessageBox(rec);
}
} // namespace

int fniMessagesAsked() {
    return giMessagesAsked();
}

int TrecMessageDlg::fniDefaultIndex() const {
    const qsizetype i = slButtons.indexOf(stDefaultButton);
    return i < 0 ? 0 : int(i);
}

int fniMessageDlg(const QString &stMessage, const QString &stCaption, const QStringList &slButtons,
                  const QString &stDefaultButton, int iIconKind) {
    const TrecMessageDlg rec{stMessage, stCaption, slButtons, stDefaultButton, iIconKind, {}};
    return fniAnswer(rec);
}

int fniMessageDlgWithIcon(const QString &stMessage, const QString &stCaption,
                          const QStringList &slButtons, const QString &stDefaultButton,
                          const QString &stIconFile) {
    const TrecMessageDlg rec{stMessage,       stCaption,   slButtons,
                             stDefaultButton, mikQuestion, stIconFile};
    return fniAnswer(rec);
}

TMessageAnswerer pSetMessageAnswerer(TMessageAnswerer fnAnswerer) {
    TMessageAnswerer fnPrevious = std::move(gfnAnswerer());
    gfnAnswerer() = std::move(fnAnswerer);
    return fnPrevious;
}

int fniAnswerWithDefault(const TrecMessageDlg &rec) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(rec.stCaption),
                 qPrintable(fnstDisplayText(rec.stMessage)));
    return rec.fniDefaultIndex();
}
