#pragma once
// The program's name, version and legal notice, as the status bar and the About
// box show them.

#include <QString>

namespace plk {

inline const QString kProductName = QStringLiteral("Plakatorium");
inline const QString kVersion = QStringLiteral(PLK_VERSION);
inline const QString kLegalNotice =
    QStringLiteral("Plakatorium %1 — Copyright © 2026 les auteurs de Plakatorium. Logiciel libre.").arg(QStringLiteral(PLK_VERSION));

}  // namespace plk
