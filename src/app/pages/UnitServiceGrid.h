// TclsServiceGrid: the communication page's service grid while the user edits
// it. One row per host service says whether the site uses it and how it
// reaches the carrier: which cells may be edited follows from the row's
// activation and mode, the modes offered depend on the service, and server
// addresses are kept on https.
#pragma once

#include <QObject>
#include <QString>

class QTableWidget;
class QTableWidgetItem;

// The grid's columns, left to right.
enum TServiceGridColumn {
    sgcService,
    sgcActivated,
    sgcMode,
    sgcPhone1,
    sgcPhone2,
    sgcHTTPServer,
    sgcHTTPPort,
    sgcColumnCount
};

// One row's texts, as shown.
struct TrecServiceGridRow {
    QString stService, stActivated, stMode, stPhone1, stPhone2, stHTTPServer, stHTTPPort;
};

inline const QString cstActivatedTrue = QStringLiteral("True");
inline const QString cstActivatedFalse = QStringLiteral("False");
// Written where the page itself switches a service off.
inline const QString cstActivatedForcedOff = QStringLiteral("FALSE");

class TclsServiceGrid : public QObject {
    Q_OBJECT

public:
    // Takes over stg's editors, keys and focus; the grid outlives this object.
    explicit TclsServiceGrid(QTableWidget *stg);

    // The column captions in column order; widths are fixed here.
    void pSetColumnCaptions(const QStringList &slCaptions);

    void pClear();
    void pAddRow(const TrecServiceGridRow &rec);
    int fniRowCount() const;
    // Every text trimmed.
    TrecServiceGridRow fnrecRow(int iRow) const;
    // The row of that service (ignoring case), or -1.
    int fniRowOf(const QString &stService) const;

    // "True", "true", "TRUE" all mean activated; "false" and empty do not.
    static bool fnbActivatedText(const QString &st);
    bool fnbActivated(int iRow) const;
    // Sets the row's activation text and the cells that follow from it.
    void pSetActivated(int iRow, const QString &stText);
    // Every row of that service set to stText.
    void pSetServiceActivated(const QString &stService, const QString &stText);

    // With the carrier's e-mail feature the RUZ notification's activation is
    // the carrier's, not the user's.
    void pSetEmailFeature(bool b);
    bool fnbEmailFeature() const { return bEmailFeature; }

    // The modes the row's pick list offers.
    QStringList fnslModeChoices(int iRow) const;
    // The Activate column's pick list.
    static QStringList fnslActivatedChoices();
    // The most characters a text column's editor takes; 0 for the columns
    // that are no text (service, activation, mode).
    static int fniTextLimit(int iColumn);

    // http: becomes https:, HTTPS rows get the https:// they lack.
    void pRewriteServers();

signals:
    // The user ticked (true) or unticked (false) a Forward/Return row.
    void ForwardReturnActivationChanged(bool bActivated);

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    void pApplyEditableCells(int iRow);
    void pSetCellEditable(int iRow, int iColumn, bool bEditable);
    QTableWidgetItem *fnpItem(int iRow, int iColumn) const;
    QString fnstText(int iRow, int iColumn) const;
    void pSetText(int iRow, int iColumn, const QString &st);
    void pItemChanged(QTableWidgetItem *item);
    void pCurrentCellChanged(int iRow, int iColumn, int iPreviousRow, int iPreviousColumn);
    bool fnbTabOutOfGrid(bool bForward);

    QTableWidget *stg;
    bool bEmailFeature = false;
    // Set while the grid changes its own cells, so that only the user's
    // changes run the activation rules.
    bool bUpdating = false;
};
