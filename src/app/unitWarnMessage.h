// TfrmWarnMessage: the dialog that lists the fields of a page that are blank or
// invalid, one line per control, the first entry's message.
#pragma once

#include "unitRWSettings.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TfrmWarnMessage;
}

class TfrmWarnMessage : public QDialog {
    Q_OBJECT

public:
    explicit TfrmWarnMessage(QWidget *parent = nullptr);
    ~TfrmWarnMessage() override;

    // Fills the list: one line per control, in the order of the list.
    void pAddToErrorList(const TrecarErrorList &arErrors);
    // The caption, and the note shown for product-validation entries.
    void pSetCaption(const QString &stCaption);
    // The control name of the list's current line; empty when there is none.
    QString fnstSelectedControlName() const;
    // The lines shown, in order.
    QStringList fnslLines() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TfrmWarnMessage> ui;
    std::vector<std::pair<QString, QString>> arEntries; // (control name, message) per line
    bool bHasNote = false;
    bool bHasLines = false;
    int iMode = 0; // selects the history/inbound label; the wizard leaves it 0
};
