// Help: the help folder of the installation's language, its context map, and
// the help window that shows a topic. The window's opening is replaceable, so
// tests and unattended runs see which topic was asked for.
#pragma once

#include <QString>

#include <functional>

enum THelpFileKind { hfkWizard = 0, hfkAdmin = 1 };

// "Help_" (or "Help_Admin_") + the language as the carrier configuration
// stores it, the two Chinese variants mapped to file-name words.
QString fnstHelpFileBaseName(const QString &stLanguage, THelpFileKind kind = hfkWizard);
// The same with ".chm", the name the help file has on Windows installations.
QString fnstHelpFileName(const QString &stLanguage, THelpFileKind kind = hfkWizard);

// The topic of a context number in the folder's "context.map" ("1498=sender.html#code"
// lines); empty when the map or the number is missing.
QString fnstHelpTopic(const QString &stHelpFolder, int iContext);

// Opens the help at the context: stHelpFolder is the language's folder.
using THelpOpener = std::function<void(const QString &stHelpFolder, int iContext)>;
void pOpenHelpContext(const QString &stHelpFolder, int iContext);
// Replaces the opener and returns the one it replaces; an empty opener brings
// back the help window.
THelpOpener pSetHelpOpener(THelpOpener fnOpener);
// Closes the help window, when the application ends.
void pCloseHelpWindows();
