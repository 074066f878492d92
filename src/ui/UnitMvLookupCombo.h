// TmvLookupCombo: an editable combo whose list is a query of the local
// database, shown in several columns, with the checks every lookup field runs
// when the user leaves it (trimming, default value, blanks, the not-in-list
// question, remembering the last value).
#pragma once

#include "UnitLookupRows.h"
#include "UnitMsgDialog.h"

#include <QComboBox>

#include <functional>
#include <optional>

class QStandardItemModel;

enum TLookupDataType { ldtText = 0, ldtUpperCase = 1 };

class TmvLookupCombo : public QComboBox {
    Q_OBJECT
    // Published so that form definitions can set them (stdset="0" in a .ui).
    Q_PROPERTY(int DataType MEMBER DataType)
    Q_PROPERTY(bool SetDropDown MEMBER SetDropDown)
    Q_PROPERTY(QString BlankMsgStr MEMBER BlankMsgStr)
    Q_PROPERTY(QString CheckValidMsgStr MEMBER CheckValidMsgStr)
    Q_PROPERTY(bool AllowBlank MEMBER AllowBlank)
    Q_PROPERTY(bool CheckValidity MEMBER CheckValidity)
    Q_PROPERTY(QString InitialValue MEMBER InitialValue)
    Q_PROPERTY(QString LastValue MEMBER LastValue)
    Q_PROPERTY(bool RestoreLastValue MEMBER RestoreLastValue)
    Q_PROPERTY(QString SetYesCaption MEMBER SetYesCaption)
    Q_PROPERTY(QString SetNoCaption MEMBER SetNoCaption)
    Q_PROPERTY(QString FormCaption MEMBER FormCaption)
    Q_PROPERTY(int ImageIcon MEMBER ImageIcon)
    Q_PROPERTY(QString DefaultValue MEMBER DefaultValue)
    Q_PROPERTY(bool DisplayDefault MEMBER DisplayDefault)
    Q_PROPERTY(int RequiredLength MEMBER RequiredLength)
    Q_PROPERTY(QString ListFieldNames READ fnstListFieldNames WRITE pSetListFieldNames)
    Q_PROPERTY(QString ListColumnCaptions READ fnstListColumnCaptions WRITE pSetListColumnCaptions)
    Q_PROPERTY(QString KeyFieldNames READ fnstKeyFieldNames WRITE pSetKeyFieldNames)

public:
    explicit TmvLookupCombo(QWidget *wParent = nullptr);

    std::function<void()> OnYesClick, OnNoClick;
    int DataType = ldtText;
    bool SetDropDown = true;
    QString BlankMsgStr, CheckValidMsgStr;
    bool AllowBlank = true;
    bool CheckValidity = false;
    QString InitialValue, LastValue;
    bool RestoreLastValue = false;
    QString SetYesCaption, SetNoCaption, FormCaption;
    int ImageIcon = mikWarning;
    QString DefaultValue;
    bool DisplayDefault = false;
    // A value shorter than this is no value of the list (country codes have 2,
    // airport codes 3 characters); 0 leaves the length free.
    int RequiredLength = 0;

    // Columns shown in the drop-down, "field;field"; the first is the key when
    // no key field is named.
    QString fnstListFieldNames() const { return slListFields.join(QLatin1Char(';')); }
    void pSetListFieldNames(const QString &stNames);
    QString fnstListColumnCaptions() const { return slCaptions.join(QLatin1Char(';')); }
    void pSetListColumnCaptions(const QString &stCaptions);
    QString fnstKeyFieldNames() const { return stKeyFieldNames; }
    void pSetKeyFieldNames(const QString &stName);
    QString fnstKeyField() const;

    // Binds the list to a statement and opens it; 0 or the database library's code.
    int fniSetListSource(const QString &stSQL, const QVariantList &vlBinds = {});
    // Binds the list to a statement without opening it: a whole reference
    // table is read only when the list is first needed (drop-down, a lookup).
    void pBindListSource(const QString &stSQL, const QVariantList &vlBinds = {});
    // Opens a bound list that has not been opened yet; 0 or the library's code.
    virtual int fniEnsureListOpen();
    // Runs the bound statement again; 0 or the library's code.
    int fniReopenList();
    // A list built by the program rather than a statement (it is kept on re-opening).
    void pSetFixedRows(const TrecLookupRows &recRows);
    virtual bool fnbConnectedDB();
    const TrecLookupRows &fnrecRows() const { return recRows; }

    // Whether the text is a key of the list (re-opened first), ignoring case.
    bool fnbIsINList(const QString &stText);
    // The row whose key is the text, ignoring case, in the list as last opened.
    std::optional<size_t> fnoRowOfKey(const QString &stText) const;

    // The leaving steps; run by a focus change and by callers that leave the
    // field on the user's behalf.
    void pDoExit();
    void showPopup() override;

signals:
    // The leaving steps are done; frames run their own checks from here.
    void Exited();

protected:
    void focusOutEvent(QFocusEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void pFillModel();
    void pRunLeavingSteps();
    void pAskNotInList(const QString &stText);
    void pUpperCaseInput(const QString &stText);
    void pGuarded(const char *pchMethod, const std::function<void()> &fn);

    QStandardItemModel *mdlList;
    QStringList slListFields, slCaptions;
    QString stKeyFieldNames;
    std::optional<QString> stSourceSQL;
    QVariantList vlSourceBinds;
    bool bListOpened = false;
    TrecLookupRows recRows;
    bool bLeaving = false;
};
