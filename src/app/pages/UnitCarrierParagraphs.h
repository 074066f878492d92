// The carrier's paragraphs on the welcome and site-registration pages: its
// wording comes from the installation's RegistrationWizard ini file, one key
// per paragraph, laid out from the top of the page until the page is full.
#pragma once

#include "unitIniFile.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QWidget;

// The section of the installation's RegistrationWizard ini file (the
// language's file, else the English one); nothing, with the reason logged
// for stMethod, when no file or no such section is there.
std::optional<TclsIniFile> fnoptCarrierSection(const QString &stInfoDir,
                                               const QString &stLanguageFileSuffix,
                                               const QString &stSection, const QString &stMethod);

class TclsCarrierParagraphs {
public:
    // What the page shows of a key's paragraph.
    using TfnText = std::function<QString(const QString &stKey, const QString &stText)>;
    // The paragraph of stKey is followed on its line by a link to stAddress.
    struct TrecWebLink {
        QString stKey, stAddress;
    };

    explicit TclsCarrierParagraphs(QWidget *wPage) : wPage(wPage) {}

    // Removes the paragraphs of an earlier visit.
    void pClear();
    // Lays out the paragraphs of the section's first iTextKeys keys, thirteen
    // at most; a paragraph is
    // only started when its guessed height still ends above the page's
    // bottom limit.
    void pLayOut(const TclsIniFile &ini, const QString &stSection, const QStringList &slKeys,
                 qsizetype iTextKeys, const TfnText &fnText,
                 const std::optional<TrecWebLink> &optLink = std::nullopt);

private:
    QLabel *fnlblAddParagraph(const QString &stText, int &iTop);
    void pAddWebLink(QLabel *lblParagraph, int iTop, const QString &stAddress);

    QWidget *wPage;
    std::vector<QLabel *> arLabels;
};
