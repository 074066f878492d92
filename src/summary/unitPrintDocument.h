// Printing a text document: the print dialog through a replaceable runner and
// one print job per copy.
#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QTextDocument;
class QWidget;

// Shows the print dialog for the printer; true when the user chose to print.
using TPrintDialogRunner = std::function<bool(QPrinter &, QWidget *)>;
bool fnbRunPrintDialog(QPrinter &printer, QWidget *wParent);
// Replaces the runner and returns the one it replaces; an empty runner brings
// back the print dialog.
TPrintDialogRunner pSetPrintDialogRunner(TPrintDialogRunner fnRunner);

// The file a copy goes to when the printer writes a file: the chosen name for
// the first copy, "<name>_<n>.<suffix>" for copy n after it.
QString fnstCopyOutputFile(const QString &stOutputFile, int iCopy);

// Prints the document with margins of one inch, once per copy the printer
// was given, each copy its own job; false when the printer failed.
bool fnbPrintCopies(const QTextDocument &docText, QPrinter &printer);
