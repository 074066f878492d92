// The English help of an installation: one HTML topic per wizard page with an
// anchor per field, and the context map that leads each help context there.
#pragma once

#include <QString>

// Writes Help/Help_English/ under the installation root.
bool fnbWriteHelpTopics(const QString &stRoot, QString &stError);
