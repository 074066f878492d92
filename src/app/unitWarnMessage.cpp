// The error-list dialog.
#include "unitWarnMessage.h"

#include "ui_unitWarnMessage.h"

#include "unitLogToFile.h"
#include "unitResourceStrings.h"

#include <set>

namespace {
const QString cstUnit = QStringLiteral("unitWarnMessage");

inline constexpr TResourceString rsFormCaption{QT_TRANSLATE_NOOP("Morvane", "Zorv Morvane")};
inline constexpr TResourceString rsHeading{
    QT_TRANSLATE_NOOP("Morvane", "The following fields are blank or contain invalid data")};
inline constexpr TResourceString rsNoteLine1{
    QT_TRANSLATE_NOOP("Morvane", "Shipment weight or piece information is not matching ")};
inline constexpr TResourceString rsNoteLine2{
    QT_TRANSLATE_NOOP("Morvane", "with the selected product validation criteria.")};
inline constexpr TResourceString rsOK{QT_TRANSLATE_NOOP("Morvane", "&OK")};

// Entries whose first integer is 1 carry a note instead of a line.
constexpr int ciNoteEntry = 1;
// The dialog is widened once it is created: the list gains 80 pixels, OK moves
// to stay centred.
constexpr int ciWidening = 80;
} // namespace

TfrmWarnMessage::TfrmWarnMessage(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmWarnMessage>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(fnstRS(rsFormCaption));
    pWriteLog(0, cstUnit, QStringLiteral("FormCreate"),
              QStringLiteral("TEMP_LOG : Width : %1").arg(width()));
    setFixedSize(width() + ciWidening, height());
    ui->lbxWarnMessage->resize(ui->lbxWarnMessage->width() + ciWidening,
                               ui->lbxWarnMessage->height());
    ui->btnOk->move(ui->btnOk->x() + ciWidening / 2, ui->btnOk->y());
    connect(ui->btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->lbxWarnMessage, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

TfrmWarnMessage::~TfrmWarnMessage() = default;

void TfrmWarnMessage::pAddToErrorList(const TrecarErrorList &arErrors) {
    ui->lbxWarnMessage->clear();
    pWriteLog(0, cstUnit, QStringLiteral("pAddToErrorList"),
              QStringLiteral("TEMP_LOG : Adding to Error List : %1").arg(arErrors.size()));
    arEntries.reserve(arEntries.size() + arErrors.size());
    std::set<QString> setSeen;
    for (size_t i = 0; i < arErrors.size(); ++i) {
        const TrecMVErrorRecord &rec = arErrors[i];
        pWriteLog(0, cstUnit, QStringLiteral("pAddToErrorList"),
                  QStringLiteral("TEMP_LOG : Error : %1").arg(i));
        if (rec.iValue1 == ciNoteEntry) {
            bHasNote = true;
        } else if (setSeen.insert(rec.stControlName).second) {
            // The dialog shows one line per control: its first entry.
            ui->lbxWarnMessage->addItem(rec.stMessage);
            arEntries.emplace_back(rec.stControlName, rec.stMessage);
        }
        bHasLines = true;
    }
}

void TfrmWarnMessage::pSetCaption(const QString &stCaption) {
    setWindowTitle(stCaption);
    ui->lblwarning->setText(fnstRS(rsNoteLine1) + QStringLiteral("\n") + fnstRS(rsNoteLine2));
}

QString TfrmWarnMessage::fnstSelectedControlName() const {
    const int iRow = ui->lbxWarnMessage->currentRow();
    return iRow >= 0 && size_t(iRow) < arEntries.size() ? arEntries[size_t(iRow)].first : QString();
}

QStringList TfrmWarnMessage::fnslLines() const {
    QStringList sl;
    for (const auto &[stName, stMessage] : arEntries)
        sl << stMessage;
    return sl;
}

void TfrmWarnMessage::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    ui->lblwarning->setVisible(bHasNote);
    ui->btnYes->setVisible(false);
    ui->btnCancel->setVisible(false);
    ui->lblHistoryInbound->setVisible(iMode != 0);
    ui->lbxWarnMessage->setSelectionMode(QAbstractItemView::ExtendedSelection);
    if (ui->lbxWarnMessage->count() > 0)
        ui->lbxWarnMessage->setCurrentRow(0);
    ui->btnOk->setText(fnstRS(rsOK));
    ui->lblWarnMessage->setText(fnstRS(rsHeading));
}
